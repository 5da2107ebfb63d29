#pragma once

// What the fuzz targets share: the input as Qt bytes, quiet Qt messages, and
// a loud stop when a parser breaks its promise (libFuzzer and the corpus
// replay both treat an abort as a failure and keep the input).

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace veltrane::fuzz {

// The input without a copy, so that reading past its end trips AddressSanitizer.
QByteArray inputBytes(const uint8_t *data, size_t size);

// Drops Qt's warnings about damaged input: millions of them would slow the
// fuzzer and bury its report. Idempotent.
void silenceQtMessages();

// Prints the broken promise and aborts.
[[noreturn]] void promiseBroken(const char *what, const QString &detail = {});

// Checks `condition`; aborts with `what` when it does not hold.
inline void expect(bool condition, const char *what, const QString &detail = {}) {
  if (!condition)
    promiseBroken(what, detail);
}

} // namespace veltrane::fuzz
