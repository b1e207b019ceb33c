#pragma once
// kvtool: drives the core without a window, for tests, benchmarks and anyone checking a school
// file. Default settings in memory (never the user's store), so the output is reproducible.
//   kvtool import IN.txt OUT.kvr [--versionen N]
//   kvtool info FILE
//   kvtool check FILE
//   kvtool roundtrip FILE
// Exit status 0 on success, 1 with a German message on the error stream for bad input or use,
// 2 when a round trip gives other bytes.

#include <ostream>
#include <string>
#include <vector>

namespace kolvar {

int Kvtool(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

}  // namespace kolvar
