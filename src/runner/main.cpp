// korvane-run [--param TEXT] [--decimal-separator C] [--printer FILE] FILE.bas
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include "runner/Runner.h"

namespace {
volatile std::sig_atomic_t interruption = 0;
extern "C" void SurInterruption(int) { interruption = 1; }
}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const auto options = korvane::LitOptions(arguments);
  if (!options) {
    std::cerr << korvane::kUsage << '\n';
    return korvane::kSortieUsage;
  }
  std::ifstream fichier(options->Fichier, std::ios::binary);
  std::error_code code;
  if (!fichier.is_open() || std::filesystem::is_directory(options->Fichier, code)) {
    const int erreur = fichier.is_open() ? EISDIR : errno;
    std::cerr << options->Fichier << " : " << std::strerror(erreur) << '\n';
    return korvane::kSortieFichier;
  }
  const std::string octets{std::istreambuf_iterator<char>(fichier), std::istreambuf_iterator<char>()};
  // Without SA_RESTART, Ctrl+C also ends an INPUT that waits on the terminal.
  struct sigaction action {};
  action.sa_handler = SurInterruption;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  std::ios::sync_with_stdio(false);
  return korvane::LanceProgramme(*options, korvane::DecoupeSource(octets),
                                 {std::cin, isatty(STDIN_FILENO) != 0, std::cout, isatty(STDOUT_FILENO) != 0, std::cerr},
                                 interruption);
}
