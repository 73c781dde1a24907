#include "library/LibraryCaptionOrder.h"

#include "platform/core/CGbkCodec.h"

#include <QByteArray>

namespace {
// The leading digits without their leading zeros: empty when the caption's number is 0 (no
// digits, or zeros only). Compared by length then digits, so no number is too long.
QByteArray LeadingNumber(const QByteArray& bytes)
{
    int end = 0;
    while (end < bytes.size() && bytes[end] >= '0' && bytes[end] <= '9')
        ++end;
    int start = 0;
    while (start < end && bytes[start] == '0')
        ++start;
    return bytes.mid(start, end - start);
}

int CompareNumbers(const QByteArray& a, const QByteArray& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}
} // namespace

bool LibraryCaptionLess(const QString& a, const QString& b)
{
    const QByteArray bytesA = CGbkCodec::ToGbk(a);
    const QByteArray bytesB = CGbkCodec::ToGbk(b);
    const QByteArray numberA = LeadingNumber(bytesA);
    const QByteArray numberB = LeadingNumber(bytesB);
    if (!numberA.isEmpty() && !numberB.isEmpty()) {
        const int order = CompareNumbers(numberA, numberB);
        return order != 0 ? order < 0 : bytesA < bytesB;
    }
    // A numbered caption stands for the slot of captions starting with "1"; no caption without a
    // number starts with a digit other than 0, so the slot lies between them by bytes.
    static const QByteArray slot("1");
    const QByteArray& keyA = numberA.isEmpty() ? bytesA : slot;
    const QByteArray& keyB = numberB.isEmpty() ? bytesB : slot;
    return keyA < keyB;
}
