// What the engine shows is what the saved file shows: résumés built by the generator's
// calls have as many pages in the engine's layout as LibreOffice gives the saved file.

#include "tests/engine/docx_support.h"
#include "tests/engine/resume_calls.h"

#include "engine/automation/application.h"
#include "engine/render/layout_services.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>

TEST(docx_fidelity, libreoffice_gives_the_saved_resume_the_engines_page_count) {
    for (const char* tool : {"soffice", "pdfinfo"})
        if (!docx_test::haveProgram(QString::fromLatin1(tool)))
            GTEST_SKIP() << tool << " is not installed";
    engine::render::installLayoutServices();
    engine::registerWordApplication();
    QTemporaryDir dir;
    struct Case {
        int work, skills;
        QString path;
        int pages = 0;
    };
    std::vector<Case> cases;
    for (const auto& [work, skills] :
         {std::pair{0, 0}, std::pair{1, 2}, std::pair{2, 1}, std::pair{5, 3}, std::pair{8, 3},
          std::pair{20, 0}, std::pair{40, 4}})
        cases.push_back(Case{work, skills, QString(), 0});
    QStringList args = docx_test::libreOfficeConvertArgs(
        dir.filePath(QStringLiteral("profile")), QStringLiteral("pdf"), dir.filePath(QStringLiteral("pdf")));
    for (Case& c : cases) {
        resume_calls::Built b = resume_calls::buildResume(resume_calls::sample(c.work, c.skills));
        c.path = dir.filePath(QStringLiteral("r%1x%2.doc").arg(c.work).arg(c.skills));
        b.document.call(QStringLiteral("SaveAs"), {c.path});
        b.document.call(QStringLiteral("Repaginate"));
        c.pages = b.document.get(QStringLiteral("BuiltInDocumentProperties"), {ole::I4(14)})
                      .value(QString())
                      .toInt();
        b.document.call(QStringLiteral("Close"), {ole::I2(0)});
        b.word.call(QStringLiteral("Quit"));
        args << c.path;
    }
    QByteArray log;
    ASSERT_EQ(docx_test::run(QStringLiteral("soffice"), args, &log, 300000), 0) << log.constData();
    for (const Case& c : cases) {
        QByteArray info;
        const QString pdf =
            dir.filePath(QStringLiteral("pdf/r%1x%2.pdf").arg(c.work).arg(c.skills));
        ASSERT_EQ(docx_test::run(QStringLiteral("pdfinfo"), {pdf}, &info), 0) << qPrintable(pdf);
        const QString line = QString::fromUtf8(info)
                                 .section(QStringLiteral("Pages:"), 1)
                                 .section(QLatin1Char('\n'), 0, 0);
        EXPECT_EQ(line.trimmed().toInt(), c.pages)
            << c.work << " entries, " << c.skills << " skills";
    }
}

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv); // the layout measures text with the system's fonts
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
