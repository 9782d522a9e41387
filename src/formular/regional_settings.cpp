#include "formular/regional_settings.hpp"

#include <QLocale>

namespace formular {

calculators::RegionalSettings systemRegionalSettings() {
    const QLocale system = QLocale::system();
    return {system.decimalPoint().toStdString(), system.groupSeparator().toStdString()};
}

}  // namespace formular
