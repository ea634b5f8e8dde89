// SPDX-License-Identifier: MIT
#pragma once

// Articles the article file tests share, and a way to compare two forms.

#include "article.h"
#include "controlaccess.h"
#include "services.h"

#include <QList>
#include <QString>

#include <initializer_list>

// Lines joined by CR LF, no line break after the last: a multi-line text
// as the form holds it.
QString joinedLines(std::initializer_list<const char *> lines);

// An article that sets every key, with quotes, backslashes, tabs, blank
// lines, a non-Latin-1 letter and a character outside the BMP.
kestrin::Article fullArticle();

// One article for each kind, its installation the kind's own.
QList<kestrin::Article> articlePerKind();

// Every control's text, value, selection, enabled state and colour, one per
// line, for comparing two forms.
QString formState(const kestrin::ControlAccess &form);
