// The People dialog with 10,000 kept people: filling it, and filtering it
// as a key is typed into its search box.
#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include "people/people_file.h"
#include "ui/input/people_dialog.h"
#include "ui/shell/people_shelf.h"
#include "ui/shell/platform.h"

namespace {

using namespace lunarys;

class QuietDialogs final : public ui::Dialogs {
public:
    void ShowMessage(const QString&, ui::MessageIcon) override {}
    bool AskYesNo(const QString&, ui::MessageIcon) override { return false; }
    void RunModal(QDialog&) override {}
};

struct TenThousand {
    TenThousand()
    {
        const QString path = dir.filePath(QStringLiteral("people.sqlite"));
        auto opened = people::PeopleFile::Open(path);
        auto& file = *std::get<std::unique_ptr<people::PeopleFile>>(opened);
        std::vector<engine::Birth> births(10000);
        for (int i = 0; i < 10000; ++i) {
            QString name = QStringLiteral("PERSON ");
            for (int n = i; n > 0 || name.size() == 7; n /= 26)
                name += QChar(u'A' + n % 26);
            births[std::size_t(i)].Name = name;
            births[std::size_t(i)].City = QStringLiteral("Pune");
        }
        file.KeepAll(births);
        shelf = std::make_unique<ui::PeopleShelf>(dialogs, path);
    }
    QTemporaryDir dir;
    QuietDialogs dialogs;
    std::unique_ptr<ui::PeopleShelf> shelf;
};

TenThousand& People()
{
    static TenThousand people;
    return people;
}

void BM_DialogOpensWithTenThousand(benchmark::State& state)
{
    TenThousand& people = People();
    for (auto _ : state) {
        ui::PeopleDialog dialog(*people.shelf, people.dialogs);
        benchmark::DoNotOptimize(&dialog);
    }
}
BENCHMARK(BM_DialogOpensWithTenThousand)->Unit(benchmark::kMillisecond)->Iterations(5);

// One key typed into the search box, the list filtered: "A", "AB", then
// Backspace, and so on.
void BM_SearchKeystroke(benchmark::State& state)
{
    TenThousand& people = People();
    ui::PeopleDialog dialog(*people.shelf, people.dialogs);
    dialog.show();
    QApplication::processEvents();
    int i = 0;
    for (auto _ : state) {
        if (i++ % 2 == 0)
            QTest::keyClick(&dialog.Search(), Qt::Key_A);
        else
            QTest::keyClick(&dialog.Search(), Qt::Key_Backspace);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond)->Iterations(50);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
