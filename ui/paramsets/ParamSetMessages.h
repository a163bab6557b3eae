#pragma once
// The texts and titles of the messages that reading, saving, deleting and
// copying parameter sets show.

#include <QString>

namespace kv::setmsg {

inline const QString kWarningTitle = QStringLiteral("Warning");
inline const QString kConfirmTitle = QStringLiteral("Confirm");

inline const QString kNameExists = QStringLiteral(
    "That name already exists in the saved parameters file.\r\rPlease pick another name.");
inline QString DeleteSet(const QString& name) {
    return QStringLiteral("Delete '%1'?").arg(name);
}
inline QString NothingToRead(const QString& name) {
    return QStringLiteral("The parameter set '%1' holds no hand type with a frequency above 0, "
                          "so there is nothing to read. The current parameters are unchanged.")
        .arg(name);
}

// A listed set that its record no longer holds: another program changed the
// file after it was listed, and the list has been made again from the file.
inline QString SetChanged(const QString& name) {
    return QStringLiteral("The parameter set '%1' is no longer in your database as listed: "
                          "another program has changed the file. Nothing was read or deleted; "
                          "the list now shows the sets the file holds.")
        .arg(name);
}
// The same for a set chosen for copying; source is "your database" or a file name.
inline QString CopySourceChanged(const QString& name, const QString& source) {
    return QStringLiteral("The parameter set '%1' is no longer in %2 as listed: another program "
                          "has changed the file. Nothing was copied; the list now shows the sets "
                          "the file holds.")
        .arg(name, source);
}
inline const QString kYourDatabase = QStringLiteral("your database");

// An export target whose folder does not exist; the save dialog is shown again.
inline QString FolderMissing(const QString& folder) {
    return QStringLiteral("The folder '%1' does not exist.\nChoose a file in an existing folder.")
        .arg(folder);
}

inline const QString kImportFromDatabase =
    QStringLiteral("Database parameters may not be copied back into the database.");
inline const QString kExportToDatabase =
    QStringLiteral("Parameters may not be copied back into your database.");
inline QString NotValidForProgram(const QString& fileName) {
    return QStringLiteral("'%1' is not a valid parameters file for this program.").arg(fileName);
}
inline const QString kSupplyName = QStringLiteral("You must supply a name.");
inline const QString kSupplyNewName = QStringLiteral("You must supply a new name.");
inline const QString kCancelCopying = QStringLiteral("Cancel copying of files?");

// The copy dialog's captions.
inline const QString kToOtherFileLabel =
    QStringLiteral("Select parameter sets to be copied from your database to another file:");
inline const QString kDatabaseSetsLabel = QStringLiteral("Parameter sets in your database:");
inline QString ToDatabaseLabel(const QString& file) {
    return QStringLiteral("Select parameter sets to be copied from %1 to your database:").arg(file);
}
inline QString FileSetsLabel(const QString& file) {
    return QStringLiteral("Parameter sets in %1:").arg(file);
}

} // namespace kv::setmsg
