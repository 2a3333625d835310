// SPDX-License-Identifier: GPL-3.0-or-later
#include "walk.h"

#include "runtime/navigation.h"
#include "runtime/window.h"
#include "screens.h"
#include "scripted.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>

namespace testing {

namespace {

// The draws written in a step, apart by commas.
std::vector<float> numbers(const QString &list)
{
    std::vector<float> draws;
    for (const QString &draw : list.split(u',', Qt::SkipEmptyParts))
        draws.push_back(draw.toFloat());
    return draws;
}

// The controls a screen reader was told about since the last step: "told
// NAME" for a new description, "state NAME" for a new state.
QStringList told;

void heard(QAccessibleEvent *event)
{
    const auto *widget = qobject_cast<QWidget *>(event->object());
    // A window's own state (active or not) is the desktop's business.
    if (!widget || widget->objectName().isEmpty() || widget->isWindow())
        return;
    if (event->type() == QAccessible::DescriptionChanged)
        told.append(QStringLiteral("told ") + widget->objectName());
    else if (event->type() == QAccessible::StateChanged)
        told.append(QStringLiteral("state ") + widget->objectName());
}

} // namespace

ScreenWalk::ScreenWalk(MessageBoxes &boxes, const QTemporaryDir &folder, runtime::ScriptedRandom::Script draws)
    : m_boxes(boxes)
    , m_folder(folder)
    , m_draws(std::move(draws))
{
    QAccessible::installUpdateHandler(heard);
    told.clear();
}

QList<ScreenWalk::Step> ScreenWalk::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", qPrintable(path));
    QList<Step> steps;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i)
        for (const QString &step : lines.at(i).section(u'#', 0, 0).split(u';'))
            if (!step.trimmed().isEmpty())
                steps.append({int(i + 1), step.trimmed()});
    return steps;
}

// Each verb with the text that begins its steps, and what it does; a step
// with no verb types into a box (BOX=TEXT) or clicks the control of that name.
const std::vector<std::pair<QString, ScreenWalk::Verb>> &ScreenWalk::verbs()
{
    // clang-format off
    static const std::vector<std::pair<QString, Verb>> table{
        // The name the next name dialog is given, typed; the answer to the
        // next question before the program ends; the files the next file
        // and print dialogs choose.
        {QStringLiteral("name:"), [](ScreenWalk &w, const QString &text) { return w.m_boxes.typeName(text), QString(); }},
        {QStringLiteral("ask:"), [](ScreenWalk &w, const QString &answer) { return w.m_boxes.answer(answer), QString(); }},
        {QStringLiteral("files:"),
         [](ScreenWalk &w, const QString &paths) { return w.m_boxes.chooseFiles(w.inFolder(paths.split(u'|'))), QString(); }},
        {QStringLiteral("record:"), &ScreenWalk::record},
        // Print Record..., to the next file chosen.
        {QStringLiteral("print"),
         [](ScreenWalk &w, const QString &) {
             const QString why = w.activate();
             return why.isEmpty() ? QTest::keyClick(w.m_form, Qt::Key_P, Qt::ControlModifier), why : why;
         }},
        {QStringLiteral("key:"), &ScreenWalk::key},
        // W,H: the window resized to so many percent of its width and height.
        {QStringLiteral("resize:"),
         [](ScreenWalk &w, const QString &percent) {
             return w.m_form->window()->resize(w.m_form->width() * percent.section(u',', 0, 0).toInt() / 100,
                                               w.m_form->height() * percent.section(u',', 1).toInt() / 100),
                    QString();
         }},
        // So many percent, or the row's own zoom.
        {QStringLiteral("zoom:"),
         [](ScreenWalk &w, const QString &percent) {
             return runtime::setZoom(percent.isEmpty() ? w.m_zoom : percent.toDouble() / 100), QString();
         }},
        {QStringLiteral("move:"),
         [](ScreenWalk &w, const QString &by) {
             const QPoint step(by.section(u',', 0, 0).toInt(), by.section(u',', 1).toInt());
             return w.m_form->window()->move(w.m_form->window()->pos() + step), QString();
         }},
        // As the window's close button does.
        {QStringLiteral("close"), [](ScreenWalk &w, const QString &) { return w.m_form->window()->close(), QString(); }},
        {QStringLiteral("dbl:"), [](ScreenWalk &w, const QString &name) { return w.click(name, true); }},
        // What a screen reader says of the control is for the transcript.
        {QStringLiteral("said:"),
         [](ScreenWalk &w, const QString &name) {
             return w.m_form->findChild<QWidget *>(name) ? QString() : QStringLiteral("no control ") + name;
         }},
        {QStringLiteral("known:"), &ScreenWalk::known},
        // The next draws of the random source, before those planned.
        {QStringLiteral("draws:"),
         [](ScreenWalk &w, const QString &list) {
             const std::vector<float> drawn = numbers(list);
             return w.m_draws->insert(w.m_draws->begin(), drawn.begin(), drawn.end()), QString();
         }},
        {QStringLiteral("open "), &ScreenWalk::open},
    };
    // clang-format on
    return table;
}

QString ScreenWalk::act(const QString &step)
{
    static const QRegularExpression anywhere(QStringLiteral("^(name:|ask:|files:|zoom:|known:|draws:|open )"));
    if (!m_form && !anywhere.match(step).hasMatch()) // only these take no screen
        return QStringLiteral("no screen is shown");
    QString problem;
    const auto verb = std::find_if(verbs().begin(), verbs().end(), [&step](const auto &entry) {
        return entry.first.back().isLetter() ? step == entry.first : step.startsWith(entry.first);
    });
    if (verb != verbs().end())
        problem = verb->second(*this, step.sliced(verb->first.size()));
    else if (auto *box = m_form->findChild<QLineEdit *>(step.section(u'=', 0, 0)); box && step.contains(u'='))
        box->setText(step.section(u'=', 1)); // BOX=TEXT: the text in the box of that name
    else
        problem = click(step, false);
    settle();
    if (!m_form || !m_form->isVisible()) // another screen is shown, or none
        m_form = visibleScreens().isEmpty() ? nullptr : runtime::loadedForm(visibleScreens().first());
    return problem;
}

QStringList ScreenWalk::inFolder(QStringList paths) const
{
    for (QString &path : paths)
        if (!path.isEmpty() && !path.startsWith(u'/'))
            path = m_folder.filePath(path);
    return paths;
}

QString ScreenWalk::activate()
{
    m_form->activateWindow();
    return QTest::qWaitForWindowActive(m_form) ? QString() : QStringLiteral("the window did not become active");
}

// Save Record..., choosing the files named in turn; an empty name cancels.
QString ScreenWalk::record(const QString &paths)
{
    m_boxes.chooseFiles(inFolder(paths.split(u'|')));
    m_boxes.clear();
    const QImage before = m_form->grab().toImage();
    if (QString why = activate(); !why.isEmpty())
        return why;
    QTest::keyClick(m_form, Qt::Key_S, Qt::ControlModifier);
    recordMessages << m_boxes.texts();
    m_boxes.clear();
    if (m_form->grab().toImage() != before)
        faults.append(QStringLiteral("saving the record changed the screen"));
    return {};
}

// KEYS[@NAME]: keys to the control named after "@", or to the open menu or
// the control that has the keys; "Alt+&NAME" is Alt and the underlined
// letter of the control or menu of that name.
QString ScreenWalk::key(const QString &keys)
{
    if (QString why = QApplication::activePopupWidget() ? QString() : activate(); !why.isEmpty())
        return why;
    QKeyCombination combination = QKeySequence::fromString(keys.section(u'@', 0, 0))[0];
    QString letter;
    if (keys.startsWith(u"Alt+&")) {
        const QString name = keys.sliced(5).section(u'@', 0, 0);
        const QObject *control = m_form->findChild<QObject *>(name);
        if (!control)
            return QStringLiteral("no control ") + name;
        const QString caption = control->property(control->property("title").isValid() ? "title" : "text").toString();
        letter = caption.at(caption.indexOf(u'&') + 1).toLower();
        combination = QKeyCombination(Qt::AltModifier, Qt::Key(letter.toUpper().at(0).unicode()));
    }
    const QString to = keys.section(u'@', 1);
    QWidget *target = !to.isEmpty()                       ? m_form->findChild<QWidget *>(to)
                      : QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                          : QApplication::focusWidget();
    if (!target)
        return QStringLiteral("nothing to take the keys");
    if (letter.isEmpty())
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    else // not only ASCII letters
        QTest::sendKeyEvent(QTest::Click, target, combination.key(), letter, combination.keyboardModifiers());
    // A button's mnemonic presses it the way a click looks: down, then up a
    // moment later.
    if (combination.keyboardModifiers() & Qt::AltModifier)
        QTest::qWait(150);
    return {};
}

// DRAWS[/ROWS]: the next initial-rates problem is the known one, with these
// draws of the chosen variation (and these of its rows' places).
QString ScreenWalk::known(const QString &list)
{
    m_draws->clear();
    if (list.contains(u'/'))
        pushKnownProblem(m_draws, numbers(list.section(u'/', 0, 0)), numbers(list.section(u'/', 1)));
    else
        pushKnownProblem(m_draws, numbers(list));
    return {};
}

// Unloads every screen and shows this one, after writing down what each
// tutor's slots showed, for the record.
QString ScreenWalk::open(const QString &screen)
{
    for (const QString &tutor : {QStringLiteral("ratetutor"), QStringLiteral("ratetutor2")}) {
        runtime::Form *form = runtime::loadedForm(tutor);
        int attempts = 0, solved = 0;
        for (int i = 0; form && i < 6; ++i) {
            attempts += form->findChild<QLabel *>(QStringLiteral("numattempts_%1").arg(i))->text().toInt();
            solved += form->findChild<QLabel *>(QStringLiteral("probcomplete_%1").arg(i))->text()
                      != QCoreApplication::translate("runtime::ProblemSlotList", "No");
        }
        // Left before the record was saved.
        if (form && !QFile::exists(m_folder.filePath(QStringLiteral("session.pdf"))))
            totals[tutor] = {solved, attempts};
    }
    // Initial rates: orders 1 and 2, k 3.47; trials 1 and 2 share [B],
    // trials 0 and 2 [A]. Graphical: first order, k .58. From the start
    // screen either tutor may open.
    m_draws->clear();
    for (int i = 0; i < 10; ++i) {
        if (screen != u"ratetutor2")
            pushKnownProblem(m_draws);
        if (screen != u"ratetutor")
            m_draws->insert(m_draws->end(), {0.5f, 0.85f, 0.3f});
    }
    unloadAll();
    unloadAll(); // closing a module brings the start screen back
    m_form = runtime::showForm(screen);
    return {};
}

// Near the left edge: on an option's round indicator, inside any label; or
// a double click as the window system delivers it.
QString ScreenWalk::click(const QString &name, bool twice)
{
    QWidget *widget = m_form->findChild<QWidget *>(name);
    if (!widget || !widget->isVisible())
        return QStringLiteral("no control %1 shown").arg(name);
    twice ? doubleClick(widget) : QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, widget->height() / 2));
    return {};
}

void ScreenWalk::transcribe(const QString &step)
{
    transcript << step;
    // Which screens are shown and loaded, and where the shown one stands.
    const auto names = [](const QStringList &screens) {
        return screens.isEmpty() ? QStringLiteral("none") : screens.join(u',');
    };
    const QString screens = QStringLiteral("  screens: %1 shown, %2 loaded%3")
                                .arg(names(visibleScreens()), names(loadedScreens()),
                                     runtime::mainWindow()->isVisible() ? "" : ", window closed");
    const QRect frame = m_form ? m_form->window()->frameGeometry() : QRect();
    const auto size = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
    // clang-format off
    const QString window = m_form ? QStringLiteral("  window: \"%1\" at %2,%3%4, %5%6, zoom %7 %, least %8%9")
                                        .arg(m_form->window()->windowTitle()).arg(frame.x()).arg(frame.y())
                                        .arg(frame.topLeft() == centredPosition(m_form) ? " (centred)" : "", size(m_form->size()),
                                             m_form->size() == m_form->naturalSize() ? "" : " (not its own size)")
                                        .arg(qRound(runtime::zoom() * 100))
                                        .arg(size(m_form->window()->minimumSize()),
                                             m_form->screen()->availableGeometry().contains(frame) ? "" : " (past the screen)")
                                  : QString();
    // clang-format on
    for (const QString &line : {screens, window})
        if (!m_place.contains(line))
            transcript << line;
    m_place = {screens, window};
    if (!m_form)
        return;
    for (const QString &text : m_boxes.texts())
        transcript << QStringLiteral("  message: ") + text;
    // Where an open menu stands, against the window's page.
    if (const QWidget *menu = QApplication::activePopupWidget())
        transcript << QStringLiteral("  menu: %1 at %2,%3")
                          .arg(menu->objectName())
                          .arg(m_form->mapFromGlobal(menu->pos()).x())
                          .arg(m_form->mapFromGlobal(menu->pos()).y());
    faults << m_boxes.problems();
    m_boxes.clear();
    const QWidget *focus = m_form->focusWidget();
    if (const QString name = focus ? focus->objectName() : QString(); name != m_focus)
        transcript << QStringLiteral("  focus: ") + (m_focus = name);
    // None for a control that is not there.
    const auto face = [&](const QString &name) {
        return QAccessible::queryAccessibleInterface(m_form->findChild<QWidget *>(name));
    };
    // A control's name, description, the keys it announces and whether it
    // is selected.
    if (step.startsWith(u"said:")) {
        QAccessibleInterface *heard = face(step.sliced(5));
        const QString keys = heard->text(QAccessible::Accelerator);
        transcript << QStringLiteral("  said: %1 | %2%3%4")
                          .arg(heard->text(QAccessible::Name), heard->text(QAccessible::Description),
                               keys.isEmpty() ? QString() : QStringLiteral(" | keys ") + keys,
                               heard->state().selected ? " | selected" : "");
    }
    told.removeDuplicates();
    for (const QString &event : std::as_const(told)) {
        QAccessibleInterface *heard = face(event.section(u' ', 1));
        if (heard && event.startsWith(u"told"))
            transcript << QStringLiteral("  %1: %2").arg(event, heard->text(QAccessible::Description));
        else if (heard)
            transcript << QStringLiteral("  %1:%2%3%4")
                              .arg(event, heard->state().disabled ? " disabled" : "",
                                   heard->state().selected ? " selected" : "",
                                   heard->state().checked ? " checked" : "");
    }
    told.clear();
}

} // namespace testing
