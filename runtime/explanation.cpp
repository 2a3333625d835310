// SPDX-License-Identifier: GPL-3.0-or-later
#include "explanation.h"

#include "runtime/controls.h"
#include "runtime/labelbutton.h"
#include "runtime/navigation.h"

#include <QCloseEvent>
#include <QShortcut>

namespace runtime {

ExplanationForm::ExplanationForm(const QString &name, const QString &caption, const QString &tutor)
    : Form(name, caption, 9480, 6495)
    , m_tutor(tutor)
{
    setCommandPlace({6480, 0});
    auto *back = new LabelButton(this, QStringLiteral("btnreturn"), tr("&Return"), 8040, 0, 1455, 255);
    connect(back, &LabelButton::clicked, this, &ExplanationForm::btnreturn_Click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &ExplanationForm::btnreturn_Click);
}

LabelButton *ExplanationForm::approachButton(Form *tutor, QWidget *parent, const QString &explanation)
{
    auto *approach = new LabelButton(parent, QStringLiteral("approach"), tr("&Approach"), 8040, 0, 1455, 255);
    connect(approach, &LabelButton::clicked, tutor, [explanation] { showPage(loadForm(explanation)); });
    auto *help = new QShortcut(QKeySequence::HelpContents, tutor);
    connect(help, &QShortcut::activated, approach, &LabelButton::click);
    return approach;
}

void ExplanationForm::heading(const QString &name, const QString &caption, int left, int top, int width, int height)
{
    makeLabel(this, name, caption, left, top, width, height, 13.5, red());
}

void ExplanationForm::bringBackTutor()
{
    if (Form *tutor = loadedForm(m_tutor))
        showPage(tutor);
}

void ExplanationForm::btnreturn_Click()
{
    bringBackTutor();
    unloadForm(this);
}

void ExplanationForm::closeEvent(QCloseEvent *event)
{
    // Closing the window is the same as Return.
    bringBackTutor();
    Form::closeEvent(event);
}

} // namespace runtime
