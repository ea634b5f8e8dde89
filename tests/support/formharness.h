// SPDX-License-Identifier: MIT
#pragma once

#include "articlefilecontroller.h"
#include "atomicfileservice.h"
#include "facades.h"
#include "readmedocument.h"

#include <functional>
#include <memory>
#include <ostream>

// One loaded main window (real widgets or in memory) with its document,
// answered through scripted facades. The load handler has already run.
class FormHarness {
public:
    virtual ~FormHarness() = default;

    virtual kestrin::ControlAccess &form() = 0;
    virtual kestrin::ReadmeDocument &document() = 0;
    // The article file commands of the window.
    virtual kestrin::ArticleFileController &articleFiles() = 0;

    // What a user does: click a check box or option button (nothing happens
    // when it is disabled), and replace a field's text by typing; line
    // breaks in the text are CR LF.
    virtual void userClick(kestrin::Control control) = 0;
    virtual void userType(kestrin::Control control, const QString &text) = 0;
    // Picks an article kind from the drop-down list.
    virtual void userPickArticle(const QString &kind) = 0;

    ScriptedMessageBox messages;
    ScriptedSaveDialog dialog;
    kestrin::AtomicTextFileService files;
    ScriptedArticleDialog articleDialog;
    kestrin::MemoryRecentArticles recent;
};

// Makes a fresh harness; the behaviour suite's parameter.
struct HarnessFactory {
    std::function<std::unique_ptr<FormHarness>()> make;
    std::unique_ptr<FormHarness> operator()() const { return make(); }
    // Test names and failure messages show the suite's name, not bytes.
    friend void PrintTo(const HarnessFactory &, std::ostream *os) { *os << "harness"; }
};
