// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Everything a printed reading says, gathered from the engine without a
// widget or a page: the title and the day it is printed, the person and the
// working when the reading was made in this run, and for each side its
// number, interpretation and every god of the number. windows/result's
// ReadingPrintout sets it on pages.

#include "core/modGreekNumerology.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace ReadingSummary {

struct God
{
    qint16 position = 0;       // in the catalogue
    QString name;              // as the catalogue has it ("Aphrodite Pandemos")
    QString description;       // paragraphs separated by one line feed
    // The portrait printed with the god: image-list entry 1..16, 0 for none.
    // A god without a portrait of its own gets the one the result window
    // shows with it: that of the god before it in the list (Aphrodite Pandemos
    // is Aphrodite "of all the people", and the window keeps Aphrodite's
    // picture when it steps on to her).
    int portraitEntry = 0;
    bool portraitBorrowed = false;  // portraitEntry is another god's
};

struct Side
{
    QString title;           // "Life Path" or "Destiny"
    QString caption;         // as the result window's number line says it
    qint16 number = 0;
    QString interpretation;  // empty outside 1..9
    QList<God> gods;         // empty outside 1..9
    // When the side has no gods: what is said instead.
    QString nothingToShow;
    // How the number was reached, as the result window's number line tells
    // it: the working where the reading was made in this run, otherwise that
    // only the number is known (and what a Destiny of 0 means). In the
    // pieces a line may break between; joined by blanks they are the text.
    QStringList howReached;
};

struct Person
{
    QString name;        // elided past NameShown characters
    QString birthDate;   // "15 March 1980"
    // The working of each number, in the pieces a line may break between
    // (modGreekNumerology::workingPieces).
    QStringList lifePathWorking;
    QStringList destinyWorking;
};

// Longest name printed whole; past it the name is cut and its length said.
constexpr int NameShown = 120;

struct Summary
{
    QString title;       // the program's title, "Pallastro v1.0"
    QString subtitle;    // "Greek Numerology Reading"
    QString printed;     // "Printed on 7 December 2026"
    std::optional<Person> person;
    QString noPerson;    // what is said instead when there is no person
    Side lifePath;
    Side destiny;
};

// "7 December 2026", in English whatever the system's language: the program
// speaks English throughout.
QString dateText(int day, int monthIndex, int year);

// Portrait of catalogue position p: entry p + 1 for p in 0..15, else 0.
int ownPortraitEntry(qint16 position);

// The summary of a reading of these numbers, for this person (none for a
// reading opened from a file), printed on that day.
Summary summarise(qint16 lifePath, qint16 destiny,
                  const std::optional<modGreekNumerology::ReadingPerson> &person, QDate printedOn);

// The summary of the reading in the reading state: its numbers and
// ReadingDetails.
Summary current(QDate printedOn);

// What assistive technology is told once the pages have gone out: to the
// printer, or (with its name) into a file.
QString printedNews(const QString &file = {});

// Pieces as lines of at most `characters` characters, each holding as many
// whole pieces as fit, joined by blanks; a longer piece has a line of its own.
QStringList linesOf(const QStringList &pieces, int characters);

// What the result window's number line of a side tells of its number: how
// it was reached, and where the side has no gods, why. On one line, as a
// screen reader reads it out...
QString numberNote(const Side &side);
// ...and in lines of at most `characters`, broken only where a working may
// break, as a tool tip shows it.
QString numberNoteLines(const Side &side, int characters);

} // namespace ReadingSummary
