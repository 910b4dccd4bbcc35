// Fuzz target of the layout-definition file: any bytes as the file, read by the strict
// reader, either refused leaving width and length as they were or read into finite values;
// and what a save writes of those values reads back the same to four decimals.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include <unistd.h>

#include "headless/Host.h"
#include "layout/Layout_FRL.h"

namespace {

std::string g_input, g_saved;

bool SameToFourDecimals(double a, double b) {
  return std::fabs(a - b) <= 0.00005 + 1e-12 * std::fabs(a);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::string folder = "/tmp/fastrelle-fuzz-layout-" + std::to_string(getpid());
  std::system(("mkdir -p " + folder).c_str());
  g_input = folder + "/input.frl";
  g_saved = folder + "/saved.frl";
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::ofstream(g_input, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), size);
  Layout_FRL file;
  file.SetWidth(-7.0);
  file.SetLength(-9.0);
  file.LoadFrom(CString(headless::FromUtf8(g_input)));
  const double width = file.GetWidth(), length = file.GetLength();
  const bool unchanged = width == -7.0 && length == -9.0;
  if (!unchanged && !(std::isfinite(width) && std::isfinite(length))) std::abort();

  file.SetPath(CString(headless::FromUtf8(g_saved)));
  if (!file.Save()) std::abort();
  Layout_FRL back;
  back.LoadFrom(CString(headless::FromUtf8(g_saved)));
  if (!SameToFourDecimals(width, back.GetWidth()) || !SameToFourDecimals(length, back.GetLength())) std::abort();
  headless::ClearTranscript();
  return 0;
}
