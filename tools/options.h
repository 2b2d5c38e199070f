// The command-line words of the checker and the dictionary tool.
#pragma once

#include <string>

namespace olv {

// A long option may carry its value after '=' (--encoding=cp1250): cuts the word to the option's
// name, puts the value in `value`, and answers whether there was one.
inline bool split_long_option(std::string& word, std::string& value) {
  const std::size_t eq = word.find('=');
  if (word.compare(0, 2, "--") != 0 || eq == std::string::npos) return false;
  value = word.substr(eq + 1);
  word.resize(eq);
  return true;
}

}  // namespace olv
