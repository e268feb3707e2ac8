#include "app/filechooser.h"

#include "app/tr.h"

#include <QFileDialog>
#include <QPointer>

namespace vantro {

namespace {

QString captionOf(FileChoice choice)
{
    switch (choice) {
    case FileChoice::AddWords:
        return app::Tr::tr("Add the Words of a File");
    case FileChoice::TakeOutWords:
        return app::Tr::tr("Take Out the Words of a File");
    case FileChoice::OpenProfile:
        return app::Tr::tr("Open Profile");
    case FileChoice::SaveProfile:
        return app::Tr::tr("Save Profile");
    }
    return {};
}

} // namespace

FileChooser fileDialogChooser(QWidget *parent)
{
    return [owner = QPointer<QWidget>(parent)](FileChoice choice,
                                               std::function<void(const QString &)> chosen) {
        // open(), not exec(): the dialog runs in the window's own event loop, and a running
        // Build goes on writing meanwhile.
        auto *dialog = new QFileDialog(owner, captionOf(choice));
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->setNameFilters({app::Tr::tr("Text files (*.txt)"), app::Tr::tr("All files (*)")});
        if (choice == FileChoice::SaveProfile) {
            dialog->setAcceptMode(QFileDialog::AcceptSave);
            dialog->setDefaultSuffix(QStringLiteral("txt"));
        } else {
            dialog->setFileMode(QFileDialog::ExistingFile);
        }
        QObject::connect(dialog, &QFileDialog::fileSelected, dialog,
                         [chosen = std::move(chosen)](const QString &path) { chosen(path); });
        dialog->open();
    };
}

} // namespace vantro
