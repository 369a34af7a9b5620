#include "presentation/ui/Modules.h"

#include <QCoreApplication>
#include <QLibrary>

namespace jw {

void* ModuleEntry(const char* name, const char* symbol) {
    // Never unloaded: the code of a module must outlive what it made.
    QLibrary module(QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                    QLatin1String(name));
    return reinterpret_cast<void*>(module.resolve(symbol));
}

}  // namespace jw
