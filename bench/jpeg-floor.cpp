// The libjpeg-turbo floor for a batch job: each file read into memory,
// decoded at the smallest scale (n/8) that still covers the wanted height,
// and encoded at the quality into memory. No resampling, no disk writes: no
// resizer doing the same job can do less work. With PROCESSES above 1, as
// many processes, each taking the next file when it is free; prints the
// seconds and the peak memory in kB summed over the processes.
//   veltrane-jpeg-floor HEIGHT QUALITY PROCESSES FILE...
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <vector>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// After <cstdio>: it needs FILE and size_t.
#include <jpeglib.h>

namespace {

std::vector<unsigned char> readFile(const char *path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decodes and re-encodes one picture; returns the bytes written.
unsigned long floorJob(const std::vector<unsigned char> &data, unsigned height, int quality) {
  jpeg_decompress_struct in{};
  jpeg_error_mgr inErrors{};
  in.err = jpeg_std_error(&inErrors);
  jpeg_create_decompress(&in);
  jpeg_mem_src(&in, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&in, TRUE);
  in.out_color_space = JCS_RGB;
  in.scale_denom = 8;
  for (in.scale_num = 1; in.scale_num < 8; ++in.scale_num) {
    jpeg_calc_output_dimensions(&in);
    if (in.output_height >= height)
      break;
  }
  jpeg_start_decompress(&in);
  std::vector<unsigned char> pixels(size_t(in.output_width) * in.output_height * 3);
  while (in.output_scanline < in.output_height) {
    JSAMPROW row = pixels.data() + size_t(in.output_scanline) * in.output_width * 3;
    jpeg_read_scanlines(&in, &row, 1);
  }
  jpeg_finish_decompress(&in);

  jpeg_compress_struct out{};
  jpeg_error_mgr outErrors{};
  out.err = jpeg_std_error(&outErrors);
  jpeg_create_compress(&out);
  unsigned char *bytes = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&out, &bytes, &size);
  out.image_width = in.output_width;
  out.image_height = in.output_height;
  out.input_components = 3;
  out.in_color_space = JCS_RGB;
  jpeg_set_defaults(&out);
  jpeg_set_quality(&out, quality, TRUE);
  jpeg_start_compress(&out, TRUE);
  while (out.next_scanline < out.image_height) {
    JSAMPROW row = pixels.data() + size_t(out.next_scanline) * out.image_width * 3;
    jpeg_write_scanlines(&out, &row, 1);
  }
  jpeg_finish_compress(&out);
  jpeg_destroy_compress(&out);
  jpeg_destroy_decompress(&in);
  std::free(bytes);
  return size;
}

} // namespace

int main(int argc, char **argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: veltrane-jpeg-floor HEIGHT QUALITY PROCESSES FILE...\n");
    return 2;
  }
  const unsigned height = unsigned(std::atoi(argv[1]));
  const int quality = std::atoi(argv[2]);
  const int processes = std::max(1, std::atoi(argv[3]));
  constexpr int kFirstFile = 4;
  const auto start = std::chrono::steady_clock::now();
  long peakKb = 0;
  if (processes == 1) {
    for (int i = kFirstFile; i < argc; ++i)
      floorJob(readFile(argv[i]), height, quality);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    peakKb = usage.ru_maxrss;
  } else {
    // The next file to take, shared by the processes.
    void *shared =
        mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    auto *next = new (shared) std::atomic<int>(kFirstFile);
    for (int p = 0; p < processes; ++p)
      if (fork() == 0) {
        for (int i = (*next)++; i < argc; i = (*next)++)
          floorJob(readFile(argv[i]), height, quality);
        _exit(0);
      }
    rusage usage{};
    int status = 0;
    while (wait4(-1, &status, 0, &usage) > 0)
      peakKb += usage.ru_maxrss;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%.3f %ld\n", seconds, peakKb);
  return 0;
}
