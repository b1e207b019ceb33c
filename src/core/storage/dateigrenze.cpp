#include "storage/dateigrenze.h"

#include <csignal>

namespace kolvar {

void IgnoriereDateigrenzenSignal() {
  struct sigaction aktion {};
  aktion.sa_handler = SIG_IGN;
  sigemptyset(&aktion.sa_mask);
  ::sigaction(SIGXFSZ, &aktion, nullptr);
}

}  // namespace kolvar
