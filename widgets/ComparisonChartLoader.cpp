#include "widgets/ComparisonChartLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace rk {
namespace {

using NewChart = QWidget* (*)(QWidget*);
using ShowComparison = void (*)(QWidget*, const Comparison*);

struct Module {
    NewChart create = nullptr;
    ShowComparison show = nullptr;
    QString problem;
};

// Beside the program in a build folder (its tests one folder down), and in
// the program's own library folder once installed.
const Module& module()
{
    static const Module loaded = [] {
        Module found;
        const QDir bin(QCoreApplication::applicationDirPath());
        const QString name = QStringLiteral("rk_comparison_chart.so");
        for (const QString& folder : {QStringLiteral("."), QStringLiteral(".."), QStringLiteral(RK_CHART_MODULE_FROM_BIN)}) {
            const QString path = bin.filePath(folder + '/' + name);
            if (!QFile::exists(path))
                continue;
            QLibrary library(path);
            if (!library.load()) {
                found.problem = library.errorString();
                continue;
            }
            found.create = reinterpret_cast<NewChart>(library.resolve("rk_comparison_chart_new"));
            found.show = reinterpret_cast<ShowComparison>(library.resolve("rk_comparison_chart_show"));
            if (found.create && found.show)
                return found;
            found.problem = library.errorString();
        }
        if (found.problem.isEmpty())
            found.problem = QCoreApplication::translate("ComparisonChartLoader", "%1 is missing").arg(name);
        found.create = nullptr;
        found.show = nullptr;
        return found;
    }();
    return loaded;
}

} // namespace

QWidget* ComparisonChartLoader::create(QWidget* parent, QString& reason)
{
    if (!module().create) {
        reason = module().problem;
        return nullptr;
    }
    return module().create(parent);
}

void ComparisonChartLoader::show(QWidget* chart, const Comparison& comparison)
{
    if (chart && module().show)
        module().show(chart, &comparison);
}

} // namespace rk
