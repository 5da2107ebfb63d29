#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace veltrane {

// The one way this program hands libjpeg its error handling. The library
// must never exit() the program or print: a fatal error records its code and
// message and jumps back to the setjmp of the call in progress.
//
// libjpeg sees only `library`, the first member; the rest of the record
// travels with it (of() gets it back). Everything read after a longjmp lives
// here, never in a local of the function that called setjmp; those functions
// hold only plain values, so the jump skips no destructor.
struct JpegErrorManager {
  jpeg_error_mgr library;
  std::jmp_buf jump;
  bool failed = false; // the library gave up
  int errorCode = 0;   // its message code
  char message[JMSG_LENGTH_MAX] = {};

  // Points `info.err` here. Warnings are counted and otherwise ignored
  // unless a caller sets library.emit_message afterwards.
  template <typename Info> void install(Info &info) {
    info.err = jpeg_std_error(&library);
    library.error_exit = onError;
    library.output_message = silent;
  }

  void clearFailure() {
    failed = false;
    errorCode = 0;
    message[0] = '\0';
  }

  static JpegErrorManager &of(j_common_ptr info) { return *reinterpret_cast<JpegErrorManager *>(info->err); }

private:
  [[noreturn]] static void onError(j_common_ptr info) {
    JpegErrorManager &self = of(info);
    self.failed = true;
    self.errorCode = info->err->msg_code;
    (*info->err->format_message)(info, self.message);
    std::longjmp(self.jump, 1);
  }
  static void silent(j_common_ptr) {}
};

} // namespace veltrane
