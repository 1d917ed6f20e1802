// Compiled into every Qt test: the folders TESSALINE_TEST_JAIL_SHARE names
// (separated by colons: the tests' temporary folder, the source and build
// trees) are shared with the offices the test starts, whose documents it
// opens in them. The program reads no such variable.
#include <QStringList>

#include "OfficeJail.h"

namespace {
const bool sharedWithOffices = [] {
    OfficeJail::shareWithOffices(qEnvironmentVariable("TESSALINE_TEST_JAIL_SHARE").split(u':', Qt::SkipEmptyParts));
    return true;
}();
} // namespace
