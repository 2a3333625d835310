// SPDX-License-Identifier: GPL-3.0-or-later
#include "golden.h"

#include <QDir>
#include <QFile>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace testing {

namespace {

// A pixel that moved this much in any channel is ink that changed, not
// antialiasing: thin strokes shift their edge pixels by less.
constexpr int StrongChange = 160;
// Softer changes are tolerated on a few pixels only.
constexpr int SoftChange = 40;
constexpr int SoftPixelsAllowed = 6;
// A faint change over an area, such as a pale shading that moved to another
// row, is seen too: it is tolerated on no more than a small square's worth.
constexpr int FaintChange = 8;
constexpr int FaintPixelsAllowed = 100;

int channelChange(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b)),
                     std::abs(qAlpha(a) - qAlpha(b))});
}

} // namespace

QString differenceFromApproved(const QImage &rendered, const QString &name)
{
    const QString base = QStringLiteral(VELOMIRA_GOLDEN_DIR "/") + name;
    const QImage image = rendered.convertToFormat(QImage::Format_ARGB32);
    QFile::remove(base + QStringLiteral(".actual.png"));
    QFile::remove(base + QStringLiteral(".diff.png"));
    QDir().mkpath(QFileInfo(base).absolutePath());
    if (qgetenv("VELOMIRA_GOLDEN") == "update")
        return image.save(base + QStringLiteral(".png")) ? QString() : QStringLiteral("cannot write ") + base;
    const QImage approved = QImage(base + QStringLiteral(".png")).convertToFormat(QImage::Format_ARGB32);
    QString difference;
    QImage diff;
    if (approved.isNull()) {
        difference = QStringLiteral("%1: no approved image; look at it, then run `make golden`").arg(name);
    } else if (approved.size() != image.size()) {
        const auto size = [](const QImage &i) { return QStringLiteral("%1x%2").arg(i.width()).arg(i.height()); };
        difference = QStringLiteral("%1: %2 instead of the approved %3").arg(name, size(image), size(approved));
    } else {
        // The difference in red over a faded copy of the approved image.
        diff = approved;
        QPainter fade(&diff);
        fade.fillRect(diff.rect(), QColor(255, 255, 255, 200));
        fade.end();
        int strong = 0, soft = 0, faint = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int change = channelChange(approved.pixel(x, y), image.pixel(x, y));
                strong += change >= StrongChange;
                soft += change >= SoftChange;
                faint += change >= FaintChange;
                if (change >= FaintChange)
                    diff.setPixel(x, y, qRgb(255, 0, 0));
            }
        if (strong > 0 || soft > SoftPixelsAllowed || faint > FaintPixelsAllowed)
            difference = QStringLiteral("%1: %2 pixels differ from the approved image, %3 of them clearly, %4 strongly")
                             .arg(name, QString::number(faint), QString::number(soft), QString::number(strong));
    }
    if (!difference.isEmpty()) {
        image.save(base + QStringLiteral(".actual.png"));
        if (!diff.isNull())
            diff.save(base + QStringLiteral(".diff.png"));
    }
    return difference;
}

QString differenceFromApproved(const QString &text, const QString &name)
{
    const QString base = QStringLiteral(VELOMIRA_GOLDEN_DIR "/") + name;
    QFile::remove(base + QStringLiteral(".actual.txt"));
    const bool update = qgetenv("VELOMIRA_GOLDEN") == "update";
    QFile approved(base + QStringLiteral(".txt"));
    const bool read = !update && approved.open(QIODevice::ReadOnly);
    const QString approvedText = read ? QString::fromUtf8(approved.readAll()) : QString();
    if (read && approvedText == text)
        return {};
    QDir().mkpath(QFileInfo(base).absolutePath());
    QFile written(base + (update ? QStringLiteral(".txt") : QStringLiteral(".actual.txt")));
    if (!written.open(QIODevice::WriteOnly) || written.write(text.toUtf8()) < 0)
        return QStringLiteral("cannot write ") + written.fileName();
    if (update)
        return {};
    // The lines between the first and the last that differ, as approved and
    // as made now, twenty of each at most.
    const QStringList was = read ? approvedText.split(u'\n') : QStringList();
    const QStringList now = text.split(u'\n');
    qsizetype first = 0, last = 0;
    while (first < std::min(was.size(), now.size()) && was[first] == now[first])
        ++first;
    while (last < std::min(was.size(), now.size()) - first && was[was.size() - 1 - last] == now[now.size() - 1 - last])
        ++last;
    QString difference =
        QStringLiteral("%1: the text differs from the approved one from line %2 (all of it in %1.actual.txt):")
            .arg(name, QString::number(first + 1));
    for (const auto &[lines, mark] : {std::pair{&was, "\n- "}, std::pair{&now, "\n+ "}})
        for (const QString &line : lines->mid(first, std::min<qsizetype>(20, lines->size() - last - first)))
            difference += QLatin1String(mark) + line;
    return difference;
}

} // namespace testing
