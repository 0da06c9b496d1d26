#include "qtprint/page_setup.h"

#include <QLocale>

namespace windara {

QPageSize::PageSizeId localPageSize() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                            : QPageSize::A4;
}

}  // namespace windara
