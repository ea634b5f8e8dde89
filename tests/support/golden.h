// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <initializer_list>

// Lines joined by CR LF, each line (the last included) followed by CR LF.
QString crlfLines(std::initializer_list<const char *> lines);
QString crlfLines(const QStringList &lines);

// Reads a whole file; empty and *ok false when it cannot.
QByteArray readFileBytes(const QString &path, bool *ok = nullptr);
bool writeFileBytes(const QString &path, const QByteArray &bytes);

// Shows bytes with control characters made visible, for failure messages.
std::string visible(const QByteArray &bytes);
std::string visible(const QString &text);

// The golden texts, spelled out independently of the templates.
namespace golden {
QStringList spInstallation(const char *game); // "ArmA 2" or "Arma 2"
QStringList mpInstallation();
QStringList addonInstallation();
QStringList modInstallation();
QStringList disclaimerLines();
QString footer();
// The 52 lines of the Harbour Raid example ReadMe.
QStringList workedExample();
} // namespace golden
