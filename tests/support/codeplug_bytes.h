#pragma once
// Where two codeplugs differ, as the offsets of the bytes of their codeplug files: a
// failing comparison of whole codeplugs then says which bytes moved.

#include <sstream>
#include <string>
#include <vector>

#include "codeplug/codeplug_file.h"

namespace px::test {

inline std::string DifferingFileBytes(const Codeplug& rExpected, const Codeplug& rActual) {
  const std::vector<Byte> expected = SerializeCodeplug(rExpected);
  const std::vector<Byte> actual = SerializeCodeplug(rActual);
  std::ostringstream out;
  int shown = 0;
  for (std::size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
    if (expected[i] == actual[i]) continue;
    if (++shown > 12) {
      out << " ...";
      break;
    }
    out << " [" << i << "] expected " << int{expected[i]} << " got " << int{actual[i]} << ";";
  }
  return shown == 0 ? std::string("no byte of the file differs") : "file bytes:" + out.str();
}

}  // namespace px::test
