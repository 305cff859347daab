// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/result/frmGreekNumerologyResult.h"

#include "widgets/DescriptionBox.h"
#include "core/GodStepper.h"
#include "windows/common/WindowKit.h"
#include "windows/common/WindowRoot.h"
#include "core/Identity.h"

#include "widgets/AnnouncingButton.h"
#include "widgets/Announcer.h"
#include "assets/Assets.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "platform/Dialogs.h"
#include "core/ReadingFile.h"
#include "print/ReadingPrintout.h"
#include "core/ReadingSummary.h"
#include "widgets/Twips.h"
#include "core/modGreekNumerology.h"
#include "platform/modHelp.h"

#include <QDate>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

using WindowKit::label;
using WindowKit::linkLabel;

qint16 frmGreekNumerologyResult::LifePathPosition = 0;
qint16 frmGreekNumerologyResult::DestinyPosition = 0;

namespace {

constexpr int PortraitPixels = 120;
// The widest line of a number line's tool tip, in characters: about half
// the window's width.
constexpr int NoteLineCharacters = 56;
// Right edge of the god's name, next to the portrait.
const int NameRightEdge = Twips::toPixels(5310 + 2025) - 1;

QPlainTextEdit *mythologyBox(QWidget *parent, const char *name, const QColor &colour)
{
    auto *box = new DescriptionBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setFont(Look::windowFont());
    box->setGeometry(Twips::rect(60, 600, 7275, 735));
    box->setReadOnly(true);
    // Read-only, but still a tab stop whose text can be scrolled and selected
    // from the keyboard.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setTabChangesFocus(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFrameShape(QFrame::NoFrame);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, Look::Panel);
    palette.setColor(QPalette::Window, Look::Panel);
    palette.setColor(QPalette::Text, colour);
    box->setPalette(palette);
    return box;
}

QLabel *portrait(QWidget *parent, const char *name)
{
    auto *image = new QLabel(parent);
    image->setObjectName(QLatin1String(name));
    image->setGeometry(Twips::rect(7485, 0, 1800, 1800));
    image->setScaledContents(true);
    image->setFocusPolicy(Qt::NoFocus);
    return image;
}

// The number line tells how its number was reached, on the pointer's hover
// and to a screen reader, as the printed reading does; where the side shows
// no god, also why. A line of the tool tip breaks only where the working may.
void sayHowReached(QLabel *caption, const ReadingSummary::Side &side)
{
    caption->setToolTip(ReadingSummary::numberNoteLines(side, NoteLineCharacters));
    caption->setAccessibleDescription(ReadingSummary::numberNote(side));
}

AnnouncingButton *stepButton(QWidget *parent, const char *name, const QString &text, int left, const QString &tip)
{
    auto *b = new AnnouncingButton(text, parent);
    WindowKit::setUpButton(b, name, Look::font(9, true), Twips::rect(left, 1860, 500, 300));
    b->setToolTip(tip);
    return b;
}


} // namespace

// What one side of the window is made of, so that both sides share one drawing.
struct frmGreekNumerologyResult::Side
{
    const QString title;   // "Life Path" or "Destiny", as a screen reader names the side
    qint16 &position;
    const QList<qint16> &gods;
    QLabel *name;
    QPlainTextEdit *description;
    QLabel *portrait;
    AnnouncingButton *back;
    AnnouncingButton *next;
};

void frmGreekNumerologyResult::showError(const QString &text)
{
    m_dialogs.message(this, QMessageBox::Critical, text, QMessageBox::Ok);
}

frmGreekNumerologyResult::frmGreekNumerologyResult(WindowRoot &root, Dialogs &dialogs, QWidget *parent)
    : TopLevelWindow(root, dialogs, "frmGreekNumerologyResult", Twips::size(9225, 5865), true, parent)
    , m_announcer(new Announcer(this))
{
    load({"mnuFileSep1", {"mnuHelpSep1", "mnuHelpSep2", QStringLiteral("Make Money &Online")}});
    cmdBack->setFocus();
}

void frmGreekNumerologyResult::buildControls()
{
    QWidget *form = centralWidget();
    const QCursor hand = Assets::handCursor(Assets::Hand::SixteenColour);
    const QFont bold = Look::font(8.25, true);

    cmdSave = WindowKit::button(form, "cmdSave", QStringLiteral("&Save"), Look::windowFont(),
                                Twips::rect(7050, 5295, 1005, 345));

    buildPromotion({Twips::rect(30, 4980, 6945, 855), Twips::rect(120, 165, 6585, 615),
                    Twips::rect(120, 165, 6585, 615), hand, hand, false},
                   Twips::rect(1365, 0, 6495, 435), hand);

    // The Destiny panel, below.
    Frame1 = WindowKit::frame(form, "Frame1", QString(), Look::font(9.75, true), Look::Panel,
                              Twips::rect(0, 2760, 9225, 2200), false);
    txtD = mythologyBox(Frame1, "txtD", Look::Green);
    cmdNextD = stepButton(Frame1, "cmdNextD", QStringLiteral(">>"), 8550, QStringLiteral("Next"));
    cmdBackD = stepButton(Frame1, "cmdBackD", QStringLiteral("<<"), 7680, QStringLiteral("Back"));
    lblD[0] = label(Frame1, "lblD_0", QStringLiteral("Greek Numerology Destiny Number is "), bold, Look::Green,
                    Twips::rect(60, 60, 3735, 195));
    lblD[3] = label(Frame1, "lblD_3", QStringLiteral("Greek Numerology Destiny Goddess(es)"), bold, Look::Green,
                    Twips::rect(60, 375, 3915, 195));
    WindowKit::sizeToText(lblD[3]);
    lblD[1] = label(Frame1, "lblD_1", QString(), bold, Look::Orchid, Twips::rect(5310, 375, 2025, 195));
    lblD[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblD[2] = label(Frame1, "lblD_2", QString(), Look::windowFont(), Look::Green,
                    Twips::rect(60, 1350, 7275, 780), true);
    imgD = portrait(Frame1, "imgD");

    cmdPrint = WindowKit::button(form, "cmdPrint", QStringLiteral("&Print"), Look::windowFont(),
                                 Twips::rect(5640, 8205, 1005, 345));
    cmdPrint->setVisible(false);
    cmdBack = WindowKit::button(form, "cmdBack", QStringLiteral("&Back"), Look::windowFont(),
                                Twips::rect(8115, 5295, 1005, 345));

    // The Life Path panel, above.
    fraLP = WindowKit::frame(form, "fraLP", QString(), Look::font(9.75, true), Look::Panel,
                             Twips::rect(0, 480, 9225, 2200), false);
    cmdBackLP = stepButton(fraLP, "cmdBackLP", QStringLiteral("<<"), 7680, QStringLiteral("Back"));
    cmdNextLP = stepButton(fraLP, "cmdNextLP", QStringLiteral(">>"), 8550, QStringLiteral("Next"));
    txtLP = mythologyBox(fraLP, "txtLP", Look::Cyan);
    imgLP = portrait(fraLP, "imgLP");
    lblLP[2] = label(fraLP, "lblLP_2", QString(), Look::windowFont(), Look::Cyan,
                     Twips::rect(60, 1350, 7275, 780), true);
    lblLP[1] = label(fraLP, "lblLP_1", QString(), bold, Look::Orchid, Twips::rect(5310, 375, 2025, 195));
    lblLP[1]->setAlignment(Qt::AlignRight | Qt::AlignTop);
    lblLP[4] = label(fraLP, "lblLP_4", QStringLiteral("Greek Numerology Life Path Goddess(es)"), bold, Look::Cyan,
                     Twips::rect(60, 375, 4035, 195));
    WindowKit::sizeToText(lblLP[4]);
    lblLP[0] = label(fraLP, "lblLP_0", QStringLiteral("Greek Numerology Life Path Number is "), bold, Look::Cyan,
                     Twips::rect(60, 60, 3855, 195));

    // Lies below the client area, out of sight; it has no pointer of its own.
    Label13 = linkLabel(form, "Label13", QString(), Look::LinkBlue, Twips::rect(5025, 6720, 75, 195),
                        QCursor(Qt::ArrowCursor), false);

    nameForAssistiveTechnology();

    WindowKit::stackFrontToBack({txtD, cmdNextD, cmdBackD, lblD[0], lblD[3], lblD[1], lblD[2], imgD});
    WindowKit::stackFrontToBack({cmdBackLP, cmdNextLP, txtLP, imgLP, lblLP[2], lblLP[1], lblLP[4], lblLP[0]});
    WindowKit::stackFrontToBack({cmdSave, fraFullBrand, Frame1, cmdPrint, cmdBack, fraLP, Label61, Label13});

    WindowKit::chainTabOrder({cmdBack, cmdPrint, txtLP, cmdNextLP, cmdBackLP, cmdBackD, cmdNextD, txtD, cmdSave});
}

void frmGreekNumerologyResult::nameForAssistiveTechnology()
{
    fraLP->setAccessibleName(QStringLiteral("Life Path"));
    Frame1->setAccessibleName(QStringLiteral("Destiny"));

    // "<<" and ">>" say nothing when read out, and their tool tips "Back"
    // and "Next" would be read as their descriptions, "Back" clashing with
    // the window's own Back; the tool tips stay as they are. The
    // descriptions, and the names of the mythology boxes, say which god each
    // side shows (showGod).
    cmdBackLP->setAccessibleName(QStringLiteral("Previous Life Path god"));
    cmdNextLP->setAccessibleName(QStringLiteral("Next Life Path god"));
    cmdBackD->setAccessibleName(QStringLiteral("Previous Destiny god"));
    cmdNextD->setAccessibleName(QStringLiteral("Next Destiny god"));

    imgLP->setAccessibleName(QStringLiteral("Life Path portrait"));
    imgD->setAccessibleName(QStringLiteral("Destiny portrait"));
    describePortrait(imgLP, -1);
    describePortrait(imgD, -1);

    // Out of sight below the client area, but a link all the same.
    Label13->setAccessibleName(QStringLiteral("Get this software fully branded"));
}

QString frmGreekNumerologyResult::shownGodName(const Side &side)
{
    using namespace modGreekNumerology;
    if (side.position < 0 || side.position >= side.gods.size())
        return {};
    const qint16 p = side.gods.at(side.position);
    return p >= 0 && p < CatalogueSize ? GodNames[p] : QString();
}

void frmGreekNumerologyResult::speakShownGods()
{
    // A screen reader announces a changed description of the focused
    // control, so only what changed is set again: a step that ends in a
    // message box leaves everything as it was and says nothing more.
    const auto setName = [](QWidget *w, const QString &name) {
        if (w->accessibleName() != name)
            w->setAccessibleName(name);
    };
    const auto setDescription = [](QWidget *w, const QString &description) {
        if (w->accessibleDescription() != description)
            w->setAccessibleDescription(description);
    };

    QStringList reading;
    const qint16 numbers[] = {modGreekNumerology::LifePathNumber, modGreekNumerology::DestinyNumber};
    int i = 0;
    for (const Side &side : {lifePathSide(), destinySide()}) {
        const QString god = shownGodName(side);
        // The mythology box is named after its god, and no label stands in
        // for that name, so it is read on focus ahead of the text.
        setName(side.description, side.title + (god.isEmpty() ? QStringLiteral(" god") : QStringLiteral(" god: ") + god));
        // A step on either button says where it led.
        const QString shows = side.title + (god.isEmpty() ? QStringLiteral(" shows no god") : QStringLiteral(" shows ") + god);
        side.back->announce(shows);
        side.next->announce(shows);
        reading << QStringLiteral("%1 %2, %3.").arg(side.title).arg(numbers[i++]).arg(god.isEmpty() ? QStringLiteral("no god") : god);
    }
    // The window opens with the focus on Back: its description is the whole
    // reading, so that the reading is heard as the window appears.
    setDescription(cmdBack, reading.join(QLatin1Char(' ')));
}

void frmGreekNumerologyResult::describePortrait(QLabel *portrait, int catalogPosition)
{
    using namespace modGreekNumerology;
    const bool named = catalogPosition >= 0 && catalogPosition < CatalogueSize
                       && !GodNames[catalogPosition].isEmpty();
    portrait->setAccessibleDescription(named ? QStringLiteral("Portrait of ") + GodNames[catalogPosition]
                                             : QStringLiteral("No portrait"));
}

void frmGreekNumerologyResult::buildFileMenu()
{
    mnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
    mnuPrint->setObjectName(QStringLiteral("mnuPrint"));
    mnuBack = mnuFile->addAction(QStringLiteral("&Back"));
    mnuBack->setObjectName(QStringLiteral("mnuBack"));
}

void frmGreekNumerologyResult::connectCommands()
{
    using Self = frmGreekNumerologyResult;
    connect(cmdBackLP, &QPushButton::clicked, this, &Self::cmdBackLP_Click);
    connect(cmdNextLP, &QPushButton::clicked, this, &Self::cmdNextLP_Click);
    connect(cmdBackD, &QPushButton::clicked, this, &Self::cmdBackD_Click);
    connect(cmdNextD, &QPushButton::clicked, this, &Self::cmdNextD_Click);
    connect(cmdBack, &QPushButton::clicked, this, &Self::cmdBack_Click);
    connect(mnuBack, &QAction::triggered, this, &Self::mnuBack_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &Self::cmdPrint_Click);
    connect(mnuPrint, &QAction::triggered, this, &Self::mnuPrint_Click);
    connect(cmdSave, &QPushButton::clicked, this, &Self::cmdSave_Click);
    connect(Label13, &LinkLabel::clicked, this, &modHelp::OpenFullBrandPage);
}

void frmGreekNumerologyResult::Form_Load()
{
    using namespace modGreekNumerology;
    FillGodList(LifePathNumber, true);
    FillGodList(DestinyNumber, false);
    LoadGodCatalogue();

    lblLP[0]->setText(QStringLiteral("Greek Numerology Life Path Number is ") + QString::number(LifePathNumber));
    WindowKit::sizeToText(lblLP[0]);
    lblLP[2]->setText(interpretationOf(LifePathNumber));
    lblD[0]->setText(QStringLiteral("Greek Numerology Destiny Number is ") + QString::number(DestinyNumber));
    WindowKit::sizeToText(lblD[0]);
    lblD[2]->setText(interpretationOf(DestinyNumber));
    const ReadingSummary::Summary summary = ReadingSummary::current(QDate::currentDate());
    sayHowReached(lblLP[0], summary.lifePath);
    sayHowReached(lblD[0], summary.destiny);

    ShowLifePathGod();
    ShowDestinyGod();
}

void frmGreekNumerologyResult::showGod(const Side &side)
{
    using namespace modGreekNumerology;
    switch (GodStepper::settle(side.position, side.gods.size())) {
    case GodStepper::Outcome::FirstRecord:
        showError(QStringLiteral("You are at the first record"));
        return;
    case GodStepper::Outcome::LastRecord:
        showError(QStringLiteral("You are at the last record"));
        return;
    case GodStepper::Outcome::Nothing:
        // A number without gods: the number line stays, no god is shown.
        side.name->clear();
        side.description->clear();
        side.portrait->clear();
        describePortrait(side.portrait, -1);
        return;
    case GodStepper::Outcome::Draw:
        break;
    }

    LoadGodCatalogue();
    const qint16 p = side.gods.at(side.position);
    if (p < 0 || p >= CatalogueSize)
        return;

    side.name->setText(GodNames[p].toUpper());
    WindowKit::sizeToTextFromRight(side.name, NameRightEdge);
    QString description = GodDescriptions[p];
    description.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    side.description->setPlainText(description);

    // Gods past the portraits keep the picture shown before them.
    if (p >= Assets::PortraitCount)
        return;
    const QImage picture = Assets::portrait(p + 1);
    if (picture.isNull())
        return;
    // Scaled once to the control's size in device pixels, so that a scaled
    // screen gets a sharp picture rather than a blown-up small one.
    const qreal ratio = side.portrait->devicePixelRatioF();
    const int pixels = qRound(PortraitPixels * ratio);
    QPixmap shown = QPixmap::fromImage(picture.scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    shown.setDevicePixelRatio(ratio);
    side.portrait->setPixmap(shown);
    describePortrait(side.portrait, p);
}

frmGreekNumerologyResult::Side frmGreekNumerologyResult::lifePathSide()
{
    return {QStringLiteral("Life Path"), LifePathPosition, modGreekNumerology::LifePathGods, lblLP[1], txtLP, imgLP,
            cmdBackLP, cmdNextLP};
}

frmGreekNumerologyResult::Side frmGreekNumerologyResult::destinySide()
{
    return {QStringLiteral("Destiny"), DestinyPosition, modGreekNumerology::DestinyGods, lblD[1], txtD, imgD,
            cmdBackD, cmdNextD};
}

void frmGreekNumerologyResult::ShowLifePathGod()
{
    showGod(lifePathSide());
    speakShownGods();
}

void frmGreekNumerologyResult::ShowDestinyGod()
{
    showGod(destinySide());
    speakShownGods();
}

void frmGreekNumerologyResult::cmdBackLP_Click()
{
    --LifePathPosition;
    ShowLifePathGod();
}

void frmGreekNumerologyResult::cmdNextLP_Click()
{
    ++LifePathPosition;
    ShowLifePathGod();
}

void frmGreekNumerologyResult::cmdBackD_Click()
{
    --DestinyPosition;
    ShowDestinyGod();
}

void frmGreekNumerologyResult::cmdNextD_Click()
{
    ++DestinyPosition;
    ShowDestinyGod();
}

void frmGreekNumerologyResult::cmdBack_Click()
{
    modGreekNumerology::LifePathGods.clear();
    modGreekNumerology::DestinyGods.clear();
    // The next reading is a new one, or one opened without a name.
    modGreekNumerology::forgetReadingDetails();
    LifePathPosition = 0;
    DestinyPosition = 0;

    m_root.showMain(*this);
}

void frmGreekNumerologyResult::mnuBack_Click() { cmdBack_Click(); }

void frmGreekNumerologyResult::cmdPrint_Click()
{
    // The whole reading, every god of both sides, not only the two in view.
    const ReadingPrintout printout(ReadingSummary::current(QDate::currentDate()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Identity::name() + QStringLiteral(" reading"));
    printer.setCreator(Identity::title());

    PrintDialogRequest request;
    request.spokenTitle = Identity::name() + QStringLiteral(": Print this reading");
    request.pageCount = printout.pageCount(printer);
    switch (m_dialogs.askPrint(this, printer, request)) {
    case PrintAnswer::Cancel:
        return;
    case PrintAnswer::NoPrinter:
        showError(QStringLiteral("There is no printer to print on. Add one in the system's settings (Windows "
                                 "offers Microsoft Print to PDF), then print again."));
        return;
    case PrintAnswer::Print:
        break;
    }
    if (printout.print(printer) == 0) {
        showError(QStringLiteral("The reading could not be printed."));
        return;
    }
    // The window shows nothing of it; a screen reader says so. A PDF file
    // is named: it is where the user will look for the pages.
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    m_announcer->announce(ReadingSummary::printedNews(toFile ? printer.outputFileName() : QString()));
}

void frmGreekNumerologyResult::mnuPrint_Click() { cmdPrint_Click(); }

void frmGreekNumerologyResult::cmdSave_Click()
{
    FileDialogRequest request = readingFileRequest(
        FileDialogRequest::Mode::Save, QStringLiteral("Save this reading"), QStringLiteral("Rich Text Format (*.grn)"));
    request.confirmOverwrite = true;

    QString path;
    for (;;) {
        const QString chosen = m_dialogs.askFileName(this, request);
        if (chosen.isEmpty())
            return;
        // Open takes only names ending in "grn": under any other name the
        // reading would never open again. The dialog asked about replacing
        // the name chosen; the name written is asked about here, and No goes
        // back to the dialog, as the dialog's own question does.
        path = ReadingFile::readingName(chosen);
        if (path == chosen || mayReplace(path))
            break;
    }

    const ReadingFile::Reading reading{modGreekNumerology::LifePathNumber, modGreekNumerology::DestinyNumber};
    if (!ReadingFile::write(path, reading))
        showError(QStringLiteral("The reading could not be saved."));
}

bool frmGreekNumerologyResult::mayReplace(const QString &path)
{
    const QFileInfo file(path);
    // A folder of that name is not replaced: the save fails and says so.
    if (!file.exists() || file.isDir())
        return true;
    const QString question = file.fileName() + QStringLiteral(" already exists.\nDo you want to replace it?");
    return m_dialogs.message(this, QMessageBox::Warning, question, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}
