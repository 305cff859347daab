// SPDX-FileCopyrightText: 2026 The Pallastro authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SystemDialogs.h"

#include "core/Identity.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

#ifdef Q_OS_WIN
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// On Windows the dialog would first show the folder the program was started
// in (its own install folder, among the DLLs) or one Qt remembered from an
// earlier run. Readings belong with the user's documents: the first dialog
// of a run opens there, and each later one where the user last chose a file.
void startInReadingsFolder(QFileDialog &dialog)
{
    static QString chosenThisRun;
    dialog.setDirectory(chosenThisRun.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : chosenThisRun);
    QObject::connect(&dialog, &QFileDialog::fileSelected, &dialog,
                     [](const QString &file) { chosenThisRun = QFileInfo(file).absolutePath(); });
}

} // namespace
#endif

QMessageBox::StandardButton SystemDialogs::message(QWidget *parent, QMessageBox::Icon icon,
                                                   const QString &text,
                                                   QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, Identity::name(), messageBoxLines(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString SystemDialogs::askFileName(QWidget *parent, const FileDialogRequest &request)
{
    QFileDialog dialog(parent, request.title);
    if (!request.spokenTitle.isEmpty())
        dialog.setAccessibleName(request.spokenTitle);
#ifdef Q_OS_WIN
    startInReadingsFolder(dialog);
#endif
    const bool saving = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.constFirst();
}

PrintAnswer SystemDialogs::askPrint(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request)
{
#ifdef Q_OS_WIN
    // Windows' dialog offers the system's printers only. A printer that found
    // none has fallen back to writing PDF, and the dialog would refuse to
    // open without a word.
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return PrintAnswer::NoPrinter;
#endif
    QPrintDialog dialog(&printer, parent);
    if (!request.spokenTitle.isEmpty())
        dialog.setAccessibleName(request.spokenTitle);
    // A reading has no selection and no current page; its pages can be
    // chosen, once they are known.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, request.pageCount > 0);
    if (request.pageCount > 0)
        dialog.setMinMax(1, request.pageCount);
    return dialog.exec() == QDialog::Accepted ? PrintAnswer::Print : PrintAnswer::Cancel;
}

QString messageBoxLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}
