// SPDX-License-Identifier: MIT
#include "clitestsupport.h"

#include "golden.h"

#include <QFile>
#include <QProcess>

using namespace kestrin;

CliResult runCli(const CliRun &run)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), run.locale);
    env.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(env);
    if (!run.workingDirectory.isEmpty())
        process.setWorkingDirectory(run.workingDirectory);
    if (!run.stdoutFile.isEmpty())
        process.setStandardOutputFile(run.stdoutFile);
    if (run.unprivileged)
        runUnprivileged(process);
    process.start(QStringLiteral(KESTRIN_README_EXE), run.args);
    CliResult result;
    if (!process.waitForStarted(10000))
        return result;
    process.write(run.input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        result.crashed = true;
        return result;
    }
    result.crashed = process.exitStatus() != QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = messageLines(process.readAllStandardError());
    return result;
}

QString sourcePath(const QString &relative)
{
    return QStringLiteral(KESTRIN_SOURCE_DIR "/") + relative;
}

QByteArray createFile(MemoryHarness &user, const QString &path, int codePage)
{
    QFile::remove(path);
    user.document().setCodePage(codePage);
    user.dialog.chooseNext(path);
    // Dismisses the success message. A question about characters the code
    // page cannot hold would take this answer as a cancel: nothing written.
    user.messages.answerNext(MessageAnswer::Ok);
    user.document().create();
    return readFileBytes(path);
}
