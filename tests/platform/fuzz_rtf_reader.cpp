// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry for the RTF reader; built with -DVELTRANO_FUZZ=ON and clang.
//   build/fuzz/tests/platform/fuzz_rtf_reader -dict=tests/platform/fuzz_rtf_reader.dict \
//       -max_total_time=300 corpus/ tests/fixtures/rtf resources/documents
#include "platform/rtf_reader.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto document = platform::readRtf(QByteArrayView(data, qsizetype(size)));
    if (document->blockCount() < 1 || !document->rootFrame()->childFrames().isEmpty())
        std::abort();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
                ++i;
            else if (text[i].isSurrogate() || text[i].unicode() == 0)
                std::abort();
        }
    }
    return 0;
}
