// Runs every file of the folders (or files) given through LLVMFuzzerTestOneInput, as a
// libFuzzer program would run a corpus once; a crash or a sanitizer report fails the run.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* date, size_t marime);

namespace {

int Ruleaza(const QString& cale)
{
    QFile fisier(cale);
    if (!fisier.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "nu pot citi %s\n", qPrintable(cale));
        return 1;
    }
    const QByteArray octeti = fisier.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(octeti.constData()), size_t(octeti.size()));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int rulate = 0;
    int erori = 0;
    for (int i = 1; i < argc; ++i) {
        const QFileInfo info(QString::fromLocal8Bit(argv[i]));
        if (info.isDir()) {
            for (const QFileInfo& f : QDir(info.filePath()).entryInfoList(QDir::Files, QDir::Name)) {
                erori += Ruleaza(f.filePath());
                ++rulate;
            }
        } else if (info.exists()) {
            erori += Ruleaza(info.filePath());
            ++rulate;
        }
    }
    std::printf("%d intrari rulate\n", rulate);
    return erori == 0 ? 0 : 1;
}
