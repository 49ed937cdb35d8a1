#include "machine/HorlogeSysteme.h"

#include <chrono>
#include <ctime>

namespace korvane {

namespace {
std::string Formate(const char* format) {
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  localtime_r(&maintenant, &local);
  char tampon[32];
  std::strftime(tampon, sizeof tampon, format, &local);
  return tampon;
}
}  // namespace

std::string HorlogeSysteme::TexteHeure() { return Formate("%H:%M:%S"); }
std::string HorlogeSysteme::TexteDate() { return Formate("%d/%m/%Y"); }

int64_t HorlogeSysteme::MillisecondesUtcDuJour() {
  using namespace std::chrono;
  const auto depuisEpoque = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return depuisEpoque % (24LL * 3600 * 1000);
}

}  // namespace korvane
