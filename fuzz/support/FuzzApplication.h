#pragma once

class QApplication;

namespace rundaro::fuzz {

// The one QApplication of a fuzzer that drives widgets: created on first use
// on the offscreen platform with the German locale, as in the widget tests,
// and kept until the process ends. Call it from LLVMFuzzerInitialize.
QApplication &FuzzApplication();

} // namespace rundaro::fuzz
