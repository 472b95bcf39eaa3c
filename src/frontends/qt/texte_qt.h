#pragma once
// Texts between the run (UTF-8, CR LF line breaks) and the toolkit.

#include <QString>
#include <string>
#include <string_view>

namespace maj::qt {

inline QString Texte(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// A text of several lines: CR LF is the toolkit's "\n".
inline QString TexteLignes(std::string_view texte) {
    QString lignes = Texte(texte);
    lignes.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lignes;
}

inline std::string VersTexte(const QString& texte) { return texte.toStdString(); }

}  // namespace maj::qt
