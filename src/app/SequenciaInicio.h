#pragma once
// Steps of the program's start used by main() and checked by the tests.

#include <QString>

class QWidget;
namespace drav {
class SingleInstance;
}

// The name under which only one copy runs per user session.
QString nomeInstanciaUnica();

// True when no other copy runs. Otherwise the running copy has been asked to
// come to the front and the user is told that this one will not start.
bool primeiraInstancia(drav::SingleInstance &instancia);

// Brings a window to the front, restoring it when minimised.
void trazParaFrente(QWidget *janela);

// How long the splash stays after the main window was created.
constexpr int EsperaSplashMs = 3000;
