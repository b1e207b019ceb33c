// Qt's own texts (file dialogs, standard buttons, print dialogs) in German, like the rest of the
// program, from the catalogues of Debian's qt6-translations-l10n.
#pragma once

#include <memory>

class QTranslator;

namespace kolvar {

// Installs Qt's German catalogue in the running application; it stays installed while the
// returned translator lives. Null when the catalogue is not installed (Qt then speaks English).
std::unique_ptr<QTranslator> LadeQtUebersetzung();

}  // namespace kolvar
