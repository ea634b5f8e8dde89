// SPDX-License-Identifier: MIT
#pragma once

// A game config (config.cpp, config.bin, mission.sqm, description.ext,
// mod.cpp) as a tree of classes, values and arrays, the same whether it
// was read from text or from the binarized ("raP") form. Names compare
// without regard to letter case, as the game compares them.

#include "importsource.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kestrin::import {

struct ConfigValue {
    enum Kind { String, Number, Word, Array };
    Kind kind = String;
    QString text;                   // String, Number and Word (an expression or a bare word)
    std::vector<ConfigValue> items; // Array

    // The strings (and words and numbers) of an array, nested arrays
    // flattened; a single value gives itself.
    QStringList texts() const;
};

struct ConfigEntry {
    QString name; // without "[]" for arrays
    ConfigValue value;
    SourceRef where;
};

struct ConfigClass {
    QString name;
    QString base;
    SourceRef where;
    bool declarationOnly = false; // "class Name;" or a deleted class
    std::vector<ConfigEntry> values;
    std::vector<ConfigClass> classes;

    // The first class or value of this name directly in this class, or null.
    const ConfigClass *findClass(QStringView name) const;
    const ConfigEntry *findValue(QStringView name) const;
    // A path of class names below this one ("Mission", "Intel").
    const ConfigClass *findPath(std::initializer_list<QStringView> names) const;
};

// Which classes' content a reader keeps, by the names of the classes from
// the root down to the class ({"Mission", "Groups"}); the others are
// kept empty. Lets the import skip what it never asks for (a mission's
// units, an addon's vehicles) without building it. No filter keeps all.
using ClassFilter = std::function<bool(const QStringList &path)>;

// What a parse of either form gives: the tree (as much as could be read)
// and the notes about what could not.
struct ConfigParse {
    ConfigClass root;
    ImportNotes notes;
    bool binarized = false;
};

} // namespace kestrin::import
