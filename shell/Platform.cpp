#include "Platform.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include <cstdlib>
#include <random>

namespace {

QString applicationTitle() { return QStringLiteral("Pallastro"); }

class RealPlatform final : public Platform
{
public:
    QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                        const QString &text,
                                        QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(icon, applicationTitle(), messageBoxLines(text), buttons, parent);
        box.setTextFormat(Qt::PlainText);
        box.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
        if (buttons.testFlag(QMessageBox::Yes))
            box.setDefaultButton(QMessageBox::Yes);
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }

    QString askFileName(QWidget *parent, const FileDialogRequest &request) override
    {
        QFileDialog dialog(parent, request.title);
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

    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }

    QDate today() override { return QDate::currentDate(); }
    qint64 clockMilliseconds() override { return QDateTime::currentMSecsSinceEpoch(); }

    void seedRandom(quint64 seed) override { m_engine.seed(seed); }
    float nextRandom() override
    {
        std::uniform_real_distribution<float> unit(0.0f, 1.0f);
        float r = unit(m_engine);
        // Some library versions can round up to exactly 1.0f.
        return r < 1.0f ? r : 0.0f;
    }

    QString settingsFilePath(const QString &applicationName) override
    {
        const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        return QDir(base).filePath(applicationName + QLatin1String("/") + applicationName
                                   + QLatin1String(".conf"));
    }

    QString lockDirectory() override
    {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath();
        return dir;
    }

    void endProcess(int exitCode) override
    {
        // Whatever windows are left have been unloaded by EndProgram; leave at once.
        std::fflush(nullptr);
        std::exit(exitCode);
    }

private:
    std::mt19937_64 m_engine{5489u};
};

Platform *g_replacement = nullptr;

} // namespace

Platform &realPlatform()
{
    static RealPlatform real;
    return real;
}

QString messageBoxLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

Platform &platform() { return g_replacement ? *g_replacement : realPlatform(); }

void setPlatform(Platform *replacement) { g_replacement = replacement; }
