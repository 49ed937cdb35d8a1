#include "runner/Descripteurs.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "runner/Signaux.h"

namespace korvane {

namespace {

// Waits until `descripteur` is ready for `evenement` or a stop signal arrives. A descriptor
// in error counts as ready: the read or write that follows reports it.
Issue Attend(int descripteur, short evenement) {
  for (;;) {
    pollfd attente[2] = {{descripteur, evenement, 0}, {signaux::DescripteurReveil(), POLLIN, 0}};
    // A ready descriptor goes first: a stop must not hold back what can still be written.
    if (::poll(attente, 2, -1) >= 0) return attente[0].revents != 0 ? Issue::Faite : Issue::Interrompue;
    if (errno != EINTR) return Issue::Echouee;
  }
}

}  // namespace

Issue SortieTamponnee::Ajoute(std::string_view octets) {
  if (erreur_ != 0) return Issue::Echouee;
  if (tampon_.empty()) attendDepuis_ = std::chrono::steady_clock::now();
  tampon_ += octets;
  return tampon_.size() >= kTaillePaquet ? Ecrit() : Issue::Faite;
}

Issue SortieTamponnee::VideSiAncien() {
  if (tampon_.empty() || std::chrono::steady_clock::now() - attendDepuis_ < kAttenteMax) return Issue::Faite;
  return Ecrit();
}

Issue SortieTamponnee::Vide() { return tampon_.empty() && erreur_ == 0 ? Issue::Faite : Ecrit(); }

Issue SortieTamponnee::Ecrit() {
  if (erreur_ != 0) return Issue::Echouee;
  std::size_t ecrits = 0;
  Issue issue = Issue::Faite;
  while (ecrits < tampon_.size()) {
    issue = Attend(descripteur_, POLLOUT);
    if (issue != Issue::Faite) break;
    const ssize_t n = ::write(descripteur_, tampon_.data() + ecrits, tampon_.size() - ecrits);
    if (n >= 0) {
      ecrits += static_cast<std::size_t>(n);
    } else if (errno != EINTR && errno != EAGAIN) {
      issue = Issue::Echouee;
      break;
    }
  }
  if (issue == Issue::Echouee) {
    erreur_ = errno != 0 ? errno : EIO;
    tampon_.clear();
  } else {
    tampon_.erase(0, ecrits);
  }
  return issue;
}

Issue EntreeLignes::LitLigne(std::string& ligne, std::size_t maximum) {
  ligne.clear();
  for (;;) {
    const std::size_t finLigne = tampon_.find('\n', lu_);
    const std::size_t fin = finLigne == std::string::npos ? tampon_.size() : finLigne;
    const std::size_t pris = std::min(fin - lu_, maximum + 1 - ligne.size());
    ligne.append(tampon_, lu_, pris);
    lu_ += pris;
    if (ligne.size() > maximum) return Issue::Faite;
    if (lu_ == finLigne) {
      ++lu_;
      return Issue::Faite;
    }
    tampon_.clear();
    lu_ = 0;
    if (fin_) return Issue::Faite;
    if (const Issue issue = Remplit(); issue != Issue::Faite) return issue;
  }
}

Issue EntreeLignes::Remplit() {
  if (erreur_ != 0) return Issue::Echouee;
  if (const Issue issue = Attend(descripteur_, POLLIN); issue != Issue::Faite) return issue;
  char bloc[64 * 1024];
  const ssize_t n = ::read(descripteur_, bloc, sizeof bloc);
  if (n > 0) {
    tampon_.append(bloc, static_cast<std::size_t>(n));
  } else if (n == 0) {
    fin_ = true;
  } else if (errno != EINTR && errno != EAGAIN) {  // these two only retry
    erreur_ = errno;
    return Issue::Echouee;
  }
  return Issue::Faite;
}

}  // namespace korvane
