// SPDX-License-Identifier: MIT
#include "aboutwindow.h"

#include "helpwindow.h"
#include "windowlayout.h"

#include <kestrin/version.h>

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kestrin::ui {

namespace {

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, const QRect &twipRect, const QFont &font,
                 Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(pixels(twipRect));
    label->setFont(font);
    label->setAlignment(align);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    // Where the substitute font runs wider than Verdana, the label grows
    // rather than cut its text.
    const int needed = label->fontMetrics().horizontalAdvance(text);
    if (needed > label->width() && !(align & Qt::AlignRight))
        label->resize(needed, label->height());
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *mainWindow)
    : QWidget(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_main(mainWindow)
{
    setObjectName(QStringLiteral("About"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("About"));
    if (mainWindow)
        setWindowIcon(mainWindow->windowIcon());
    setFont(windowFont(8.25));
    setFixedSize(pixels(5175), pixels(1695));

    auto *frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(pixels(QRect(120, 120, 4935, 1455)));

    addLabel(frame, "Label1", QStringLiteral("Kestrin Editor"), QRect(120, 240, 3255, 495), windowFont(18));
    addLabel(frame, "Label4", tr("ver.: %1").arg(QStringLiteral(KESTRIN_VERSION_SHORT)), QRect(3840, 480, 975, 255),
             windowFont(9.75), Qt::AlignRight | Qt::AlignVCenter);
    addLabel(frame, "Label2", QStringLiteral("http://vantry.example"), QRect(120, 840, 2055, 255), font());
    addLabel(frame, "Label3", QStringLiteral("© 2011 Vantry"), QRect(120, 1080, 1215, 255), font());

    m_close = new QPushButton(tr("Close"), frame);
    m_close->setObjectName(QStringLiteral("CloseButton"));
    m_close->setGeometry(pixels(QRect(3480, 840, 1335, 375)));
    m_close->setAutoDefault(false);
    m_close->setDefault(false);
    connect(m_close, &QPushButton::clicked, this, &AboutWindow::onCloseClicked);
    setFocusProxy(m_close);

    centreOnScreen(this);
}

void AboutWindow::disableMainWindow()
{
    if (!m_main)
        return;
    m_main->setEnabled(false);
    // Disabling a window disables the windows it owns as well; an open help
    // window is a window of its own and stays usable.
    for (auto *help : m_main->findChildren<help::HelpWindow *>(Qt::FindDirectChildrenOnly))
        help->setEnabled(true);
}

void AboutWindow::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        disableMainWindow();
    }
    QWidget::showEvent(event);
    m_close->setFocus(Qt::ActiveWindowFocusReason);
}

void AboutWindow::onCloseClicked()
{
    close();
}

void AboutWindow::closeEvent(QCloseEvent *event)
{
    // Every way of closing (the button, the close box, Alt+F4) hands the
    // input back, so the main window is never left disabled.
    event->accept();
    if (m_main) {
        m_main->setEnabled(true);
        m_main->activateWindow();
        m_main->setFocus(Qt::ActiveWindowFocusReason);
    }
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    // Close is neither the default nor the cancel button: Enter presses it
    // only while it has the focus, and Escape does nothing.
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_close->hasFocus()) {
        m_close->click();
        return;
    }
    if (key == Qt::Key_Escape)
        return;
    QWidget::keyPressEvent(event);
}

} // namespace kestrin::ui
