// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/ReadingSummary.h"

#include "core/EntryCheck.h"
#include "core/Identity.h"

#include <QFileInfo>

#include <utility>

namespace ReadingSummary {

namespace {

using namespace modGreekNumerology;

constexpr int PortraitEntries = 16;

// A sentence in the pieces a line may break between: its words.
QStringList words(const QString &sentence)
{
    return sentence.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString elidedName(const QString &name)
{
    if (name.size() <= NameShown)
        return name;
    QString shown = name.left(NameShown);
    // Never half a character of another plane.
    if (shown.back().isHighSurrogate())
        shown.chop(1);
    return shown + QStringLiteral("\u2026 (%1 characters in all)").arg(name.size());
}

Side side(const QString &title, qint16 number, QStringList howReached)
{
    Side s;
    s.howReached = std::move(howReached);
    s.title = title;
    s.caption = QStringLiteral("Greek Numerology %1 Number is %2").arg(title).arg(number);
    s.number = number;
    LoadGodCatalogue();
    s.interpretation = interpretationOf(number);
    int shownPortrait = 0;
    for (qint16 p : godsOf(number)) {
        if (p < 0 || p >= CatalogueSize || GodNames[p].isEmpty())
            continue;
        God god;
        god.position = p;
        god.name = GodNames[p];
        god.description = GodDescriptions[p];
        god.description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // As the result window: a god without a picture keeps the one shown
        // before it.
        const int own = ownPortraitEntry(p);
        god.portraitBorrowed = own == 0 && shownPortrait != 0;
        if (own != 0)
            shownPortrait = own;
        god.portraitEntry = shownPortrait;
        s.gods.append(god);
    }
    if (s.gods.isEmpty()) {
        s.nothingToShow = QStringLiteral("The number %1 has no interpretation and no gods: only the numbers 1 to 9 "
                                         "have them.")
                              .arg(number);
    }
    return s;
}

} // namespace

QString dateText(int day, int monthIndex, int year)
{
    const QStringList months = EntryCheck::monthNames();
    const QString month = monthIndex >= 0 && monthIndex < months.size()
                              ? months.at(monthIndex)
                              : QStringLiteral("month %1").arg(monthIndex + 1);
    return QStringLiteral("%1 %2 %3").arg(day).arg(month).arg(year);
}

int ownPortraitEntry(qint16 position)
{
    return position >= 0 && position < PortraitEntries ? position + 1 : 0;
}

Summary summarise(qint16 lifePath, qint16 destiny, const std::optional<ReadingPerson> &person, QDate printedOn)
{
    Summary summary;
    summary.title = Identity::title();
    summary.subtitle = QStringLiteral("Greek Numerology Reading");
    summary.printed = QStringLiteral("Printed on ")
                      + dateText(printedOn.day(), printedOn.month() - 1, printedOn.year());
    if (person) {
        const Working lifePathSteps = lifePathWorking(person->day, person->monthIndex, person->year);
        const Working destinySteps = destinyWorking(person->name);
        // The working is printed only where it is that of the numbers shown.
        if (lifePathSteps.number == lifePath && destinySteps.number == destiny) {
            summary.person = Person{elidedName(person->name),
                                    dateText(person->day, person->monthIndex, person->year),
                                    workingPieces(lifePathSteps), workingPieces(destinySteps)};
        }
    }
    QStringList lifePathReached;
    QStringList destinyReached;
    if (summary.person) {
        lifePathReached = summary.person->lifePathWorking;
        destinyReached = summary.person->destinyWorking;
    } else {
        summary.noPerson = QStringLiteral("This reading was opened from a saved file, which keeps only its two "
                                          "numbers: the name, the date of birth and how the numbers were reached "
                                          "are not known.");
        const QString onlyTheNumber =
            QStringLiteral("Opened from a saved file, which keeps only the number: how it was reached is not known.");
        lifePathReached = words(onlyTheNumber);
        // Only a name without a letter gives 0, whoever it was.
        destinyReached = words(destiny == 0 ? onlyTheNumber
                                                  + QStringLiteral(" A Destiny of 0 means no letter from A to Z in "
                                                                   "the name.")
                                            : onlyTheNumber);
    }
    summary.lifePath = side(QStringLiteral("Life Path"), lifePath, lifePathReached);
    summary.destiny = side(QStringLiteral("Destiny"), destiny, destinyReached);
    return summary;
}

Summary current(QDate printedOn)
{
    return summarise(LifePathNumber, DestinyNumber, ReadingDetails, printedOn);
}

QString printedNews(const QString &file)
{
    if (file.isEmpty())
        return QStringLiteral("Reading printed");
    return QStringLiteral("Reading printed to ") + QFileInfo(file).fileName();
}

QStringList linesOf(const QStringList &pieces, int characters)
{
    QStringList lines;
    QString line;
    for (const QString &piece : pieces) {
        if (!line.isEmpty() && line.size() + 1 + piece.size() > characters) {
            lines << line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + piece;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QString numberNote(const Side &side)
{
    QStringList said{side.howReached.join(QLatin1Char(' '))};
    if (side.gods.isEmpty())
        said << side.nothingToShow;
    return said.join(QLatin1Char(' '));
}

QString numberNoteLines(const Side &side, int characters)
{
    QStringList lines = linesOf(side.howReached, characters);
    if (side.gods.isEmpty())
        lines << linesOf(words(side.nothingToShow), characters);
    return lines.join(QLatin1Char('\n'));
}

} // namespace ReadingSummary
