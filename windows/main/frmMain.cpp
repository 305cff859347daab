// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/frmMain.h"

#include "core/CoBrandDraw.h"
#include "widgets/DropDownList.h"
#include "core/EntryCheck.h"
#include "windows/common/WindowKit.h"
#include "windows/common/WindowRoot.h"

#include "assets/Assets.h"
#include "widgets/LinkLabel.h"
#include "widgets/Look.h"
#include "platform/Dialogs.h"
#include "core/ReadingFile.h"
#include "widgets/Twips.h"
#include "core/modGreekNumerology.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using WindowKit::label;

namespace {

DropDownList *dropDownList(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *combo = new DropDownList(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setFont(Look::font(9));
    combo->setGeometry(geometry);
    return combo;
}

} // namespace

frmMain::frmMain(WindowRoot &root, Dialogs &dialogs, QWidget *parent)
    : TopLevelWindow(root, dialogs, "frmMain", Twips::size(7320, 4605), false, parent)
{
    load({"mnuSep1", {"mnuSep2", "mnuSep3", QStringLiteral("&Make Money Online")}});
    txtName->setFocus();
}

void frmMain::buildControls()
{
    QWidget *form = centralWidget();
    const QCursor colourHand = Assets::handCursor(Assets::Hand::SixteenColour);
    const QCursor monoHand = Assets::handCursor(Assets::Hand::Monochrome);

    buildPromotion({Twips::rect(68, 3720, 7185, 855), Twips::rect(120, 165, 6945, 615),
                    Twips::rect(120, 160, 6945, 615), colourHand, monoHand, true},
                   Twips::rect(525, 0, 6270, 465), monoHand);

    cmdOpen = WindowKit::button(form, "cmdOpen", QStringLiteral("&Open Previously Saved Reading"),
                                Look::font(9.75, true), Twips::rect(1178, 1320, 4965, 375));

    fraDetails = WindowKit::frame(form, "fraDetails", QStringLiteral("Personal Details"), Look::font(9, true),
                                  Look::Panel, Twips::rect(1178, 1875, 4965, 1815), true, Look::Cyan);

    txtName = new QLineEdit(fraDetails);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(Look::windowFont());
    txtName->setGeometry(Twips::rect(1170, 405, 3585, 345));
    // Borderless: a sunken frame looks out of place on the dark panel.
    txtName->setFrame(false);

    cboMonth = dropDownList(fraDetails, "cboMonth", Twips::rect(1170, 855, 1455, 330));
    cboDate = dropDownList(fraDetails, "cboDate", Twips::rect(2655, 855, 735, 330));
    cboYear = dropDownList(fraDetails, "cboYear", Twips::rect(3420, 855, 1335, 330));

    cmdProceed = WindowKit::button(fraDetails, "cmdProceed", QStringLiteral("&Get My Greek Numerology Reading"),
                                   Look::font(8.25, true), Twips::rect(1170, 1320, 3585, 375));

    Label2[0] = label(fraDetails, "Label2_0", QStringLiteral("Birth Day"), Look::font(8.25, true), Look::Cyan,
                      Twips::rect(180, 930, 900, 195));
    WindowKit::sizeToText(Label2[0]);
    Label1 = label(fraDetails, "Label1", QStringLiteral("Name"), Look::font(8.25, true), Look::Cyan,
                   Twips::rect(180, 480, 555, 195));
    WindowKit::sizeToText(Label1);

    Label3 = label(form, "Label3",
                   QStringLiteral("Know the attributes of the Greek Gods who represent your personality. "
                                  "Just enter your name and date of birth to get started."),
                   Look::font(8.25, true), Look::Cyan, Twips::rect(353, 600, 6615, 435), true);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    nameForAssistiveTechnology();

    WindowKit::stackFrontToBack({txtName, cboMonth, cboDate, cboYear, cmdProceed, Label2[0], Label1});
    WindowKit::stackFrontToBack({fraFullBrand, cmdOpen, fraDetails, Label3, Label61});

    // Labels and frames take no focus, so only these stops remain.
    WindowKit::chainTabOrder({txtName, cboMonth, cboDate, cboYear, cmdProceed, cmdOpen});
}

void frmMain::nameForAssistiveTechnology()
{
    // The entry fields carry the caption of the label beside them; the
    // buddy link lets a screen reader tie label and field together too. The
    // one date label stands for three lists, so it is no list's buddy: a
    // screen reader would read it in place of each list's own name.
    Label1->setBuddy(txtName);
    txtName->setAccessibleName(Label1->text());
    const QString birthDay = Label2[0]->text();
    const std::pair<QComboBox *, const char *> parts[] = {
        {cboMonth, ": month"}, {cboDate, ": day"}, {cboYear, ": year"}};
    for (const auto &[list, part] : parts)
        static_cast<DropDownList *>(list)->setPurpose(birthDay + QLatin1String(part));
}

void frmMain::buildFileMenu()
{
    mnuProceed = mnuFile->addAction(QStringLiteral("&Get My Greek Numerology Reading"));
    mnuProceed->setObjectName(QStringLiteral("mnuProceed"));
}

void frmMain::connectCommands()
{
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(mnuProceed, &QAction::triggered, this, &frmMain::mnuProceed_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
}

void frmMain::Form_Load()
{
    cboMonth->addItems(EntryCheck::monthNames());
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    for (int year = 1900; year <= 2050; ++year)
        cboYear->addItem(QString::number(year));

    cboMonth->setCurrentIndex(0);
    cboDate->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void frmMain::CoBrand_Randomize(float draw)
{
    intCoBrandRandomNumber = CoBrandDraw::numberFromDraw(draw);
    switch (CoBrandDraw::frontFor(intCoBrandRandomNumber)) {
    case CoBrandDraw::Front::FullBrand:
        lblFullBrand->raise();
        break;
    case CoBrandDraw::Front::CoBrand:
        lblCobrand->raise();
        break;
    case CoBrandDraw::Front::Designed:
        break;
    }
}

bool frmMain::ValidateEntry()
{
    using EntryCheck::Problem;
    const Problem problem = EntryCheck::check(txtName->text(), cboDate->currentIndex(), cboMonth->currentIndex(),
                                              cboYear->currentText());
    switch (problem) {
    case Problem::None:
        return true;
    case Problem::NoName:
        m_dialogs.message(this, QMessageBox::Critical, QStringLiteral("Please Enter Your Name"), QMessageBox::Ok);
        txtName->setFocus();
        return false;
    case Problem::February:
        m_dialogs.message(this, QMessageBox::Information, QStringLiteral("Please Enter Correct Date Or Month!"),
                           QMessageBox::Ok);
        return false;
    case Problem::ThirtyFirst:
        m_dialogs.message(this, QMessageBox::Information, QStringLiteral("Please Enter Correct Date Or Month !"),
                           QMessageBox::Ok);
        return false;
    }
    return false;
}

void frmMain::runReading()
{
    if (!ValidateEntry())
        return;

    const QString name = EntryCheck::trimBlanks(txtName->text());
    const auto day = qint16(cboDate->currentText().toShort());
    const auto monthIndex = qint16(cboMonth->currentIndex());
    const auto year = qint16(cboYear->currentText().toShort());
    modGreekNumerology::ComputeNumbers(name, day, monthIndex, year);

    m_root.showResult(*this);
}

void frmMain::cmdProceed_Click() { runReading(); }

void frmMain::mnuProceed_Click() { runReading(); }

void frmMain::cmdOpen_Click()
{
    const QString path = m_dialogs.askFileName(
        this, readingFileRequest(FileDialogRequest::Mode::Open, QStringLiteral("Open a saved reading"),
                                 QStringLiteral("Pallastro (*.grn)")));
    if (path.isEmpty())
        return;
    openReading(path);
}

QString frmMain::refusedFileText() { return QStringLiteral("Please Check The File."); }

std::optional<ReadingFile::Reading> frmMain::readingFrom(const QString &path)
{
    // Only the exact lower-case ending is taken; the dot is not required.
    if (!ReadingFile::isReadingName(path))
        return std::nullopt;
    return ReadingFile::read(path);
}

bool frmMain::openReading(const QString &path)
{
    const std::optional<ReadingFile::Reading> reading = readingFrom(path);
    if (!reading) {
        // A wrong name is refused unread; a file that holds no reading never
        // passes the numbers of an earlier reading off as its own.
        m_dialogs.message(this, QMessageBox::Critical, refusedFileText(), QMessageBox::Ok);
        return false;
    }

    modGreekNumerology::LifePathNumber = reading->lifePath;
    modGreekNumerology::DestinyNumber = reading->destiny;
    // A saved reading holds the two numbers only: whoever the last reading
    // of this run was for, this one is not theirs.
    modGreekNumerology::forgetReadingDetails();
    m_root.showResult(*this);
    return true;
}
