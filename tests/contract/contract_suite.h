// SPDX-License-Identifier: MIT
#pragma once

#include "formharness.h"
#include "golden.h"
#include "plaintextrenderer.h"
#include "templates.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

// The behaviour every implementation of the window's controls must show:
// the contract itself, the handlers that rely on it, and Create. Each test
// gets a freshly loaded window from the harness factory it is instantiated
// with.
class Contract : public ::testing::TestWithParam<HarnessFactory> {
protected:
    void SetUp() override
    {
        harness = GetParam()();
        ASSERT_TRUE(dir.isValid());
    }

    kestrin::ControlAccess &form() { return harness->form(); }
    kestrin::ReadmeDocument &doc() { return harness->document(); }

    // Runs Create, saving to a fresh file in the temporary folder, and
    // returns the bytes written.
    QByteArray createFile(const QString &name = QStringLiteral("readme.txt"))
    {
        const QString path = dir.filePath(name);
        harness->dialog.chooseNext(path);
        harness->messages.answerNext(kestrin::MessageAnswer::Ok);
        doc().create();
        return readFileBytes(path);
    }

    // The ReadMe text the form gives now, as Create would write it.
    QString readme() { return kestrin::plainText(doc().model()); }

    // The section of that ReadMe under heading, framed as the plain text
    // has it; empty when the ReadMe has no such section.
    QString readmeSection(QStringView heading)
    {
        for (const kestrin::ReadmeSection &s : doc().model().sections) {
            if (s.heading == heading)
                return kestrin::templates::section(s.heading, s.body);
        }
        return {};
    }

    std::unique_ptr<FormHarness> harness;
    QTemporaryDir dir;
};

#define KESTRIN_INSTANTIATE_CONTRACT(Name, factory)                                                                    \
    INSTANTIATE_TEST_SUITE_P(Name, Contract, ::testing::Values(HarnessFactory{factory}),                               \
                             [](const ::testing::TestParamInfo<HarnessFactory> &) { return std::string("Form"); })
