#pragma once
// The run commands of the editor windows: run, continue, breakpoint and step mode. Their
// state (the line a continue resumes at, step mode) belongs to the application and is shared
// by every editor window; a continue in another window resumes at the same line index there.

#include <functional>
#include <string>
#include <utility>

#include "interpreter/Interpreteur.h"

namespace korvane {

// What the run commands need of an editor window. Texts are Windows-1252.
class DocumentExecutable {
 public:
  virtual ~DocumentExecutable() = default;
  virtual const Programme& Texte() const = 0;
  virtual std::string NomFichier() const = 0;
  // Removes the step marker from every line.
  virtual void Raz() = 0;
  // Replaces line `ligne`'s text; the caret stays where it was.
  virtual void ChangeLigne(int ligne, const std::string& texte) = 0;
  virtual int LigneCurseur() const = 0;
  // The caret at the beginning of line `ligne`.
  virtual void PlaceCurseur(int ligne) = 0;
  // Read-only while a run is in progress.
  virtual void ChangeLectureSeule(bool oui) = 0;
};

class ControleExecution {
 public:
  // Failures the core does not report itself are shown through `messages`.
  ControleExecution(Interpreteur& interpreteur, BoitesMessage& messages)
      : interpreteur_(interpreteur), messages_(messages) {}

  // Each command returns false, doing nothing, while a run is in progress.
  bool Executer(DocumentExecutable& document);
  bool Continuer2(DocumentExecutable& document);
  bool Arret(DocumentExecutable& document);
  void Pasapas(bool coche) { PasAPas = coche ? 1 : 0; }
  // An editor window becomes the active one among them (step mode off), stops being it, or
  // closes: the run's files are closed each time, unless a run is in progress.
  void Activation();
  void Desactivation();

  bool EnCours() const { return enCours_; }
  // Told when a run starts and when it ends, so that menus follow.
  void SurChangement(std::function<void()> hook) { surChangement_ = std::move(hook); }

  int LigneCourante = 0;
  int PasAPas = 0;

 private:
  void Lance(DocumentExecutable& document);
  // Closes the run's files and shows why any of them failed.
  void FermeFichiers();

  Interpreteur& interpreteur_;
  BoitesMessage& messages_;
  bool enCours_ = false;
  std::function<void()> surChangement_;
};

}  // namespace korvane
