#pragma once

#include <QDate>
#include <QString>

// The long date of the main window's status bar: "Quarta-Feira, 07 de Março 2007".
QString DataPorExtenso(const QDate &data);
