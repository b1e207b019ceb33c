// kvtool: the headless driver of the core (see support/kvtool.h).

#include <iostream>
#include <string>
#include <vector>

#include "storage/dateigrenze.h"
#include "support/kvtool.h"

int main(int argc, char** argv) {
  kolvar::IgnoriereDateigrenzenSignal();
  const std::vector<std::string> argumente(argv + 1, argv + argc);
  return kolvar::Kvtool(argumente, std::cout, std::cerr);
}
