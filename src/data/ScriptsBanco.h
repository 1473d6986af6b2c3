#pragma once
// The creation scripts compiled into the program: the schema and the nine
// city scripts, read from the resources.

#include <QStringList>

QString scriptEsquema();
QStringList scriptsCidades();
