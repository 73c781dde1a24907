#pragma once
#include <QByteArray>
#include <QString>
#include <QTextCodec>

// ASCII DXF text written by the tests, group by group ("code\nvalue\n"), independent of the
// program's reader. Text values are raw bytes, so GBK and UTF-8 fixtures can be written alike.
class DxfFixture
{
public:
    DxfFixture& G(int code, const QByteArray& value)
    {
        m_data += QByteArray::number(code) + '\n' + value + '\n';
        return *this;
    }
    DxfFixture& G(int code, const char* value) { return G(code, QByteArray(value)); }
    DxfFixture& G(int code, double value) { return G(code, QByteArray::number(value, 'g', 17)); }
    DxfFixture& G(int code, int value) { return G(code, QByteArray::number(value)); }

    DxfFixture& Header(const char* version, const char* codePage = nullptr)
    {
        Section("HEADER").G(9, "$ACADVER").G(1, version);
        if (codePage)
            G(9, "$DWGCODEPAGE").G(3, codePage);
        return EndSection();
    }
    DxfFixture& Section(const char* name) { return G(0, "SECTION").G(2, name); }
    DxfFixture& EndSection() { return G(0, "ENDSEC"); }
    DxfFixture& End() { return G(0, "EOF"); }

    // A layer table entry; a negative colour switches the layer off, flag 1 freezes it.
    DxfFixture& Layer(const QByteArray& name, int colour, int flags = 0)
    {
        return G(0, "LAYER").G(2, name).G(70, flags).G(62, colour);
    }
    DxfFixture& Line(const char* layer, double x1, double y1, double x2, double y2, int colour = 256)
    {
        G(0, "LINE").G(8, layer);
        if (colour != 256)
            G(62, colour);
        return G(10, x1).G(20, y1).G(30, 0.0).G(11, x2).G(21, y2).G(31, 0.0);
    }
    DxfFixture& Circle(const char* layer, double x, double y, double r)
    {
        return G(0, "CIRCLE").G(8, layer).G(10, x).G(20, y).G(40, r);
    }
    DxfFixture& Text(const char* layer, double x, double y, double height, const QByteArray& text)
    {
        return G(0, "TEXT").G(8, layer).G(10, x).G(20, y).G(40, height).G(1, text);
    }

    // Entities section holding a rectangle of lines from (0, 0) to (w, h) on layer "0".
    static DxfFixture Rectangle(double w, double h)
    {
        DxfFixture dxf;
        dxf.Section("ENTITIES")
            .Line("0", 0, 0, w, 0)
            .Line("0", w, 0, w, h)
            .Line("0", w, h, 0, h)
            .Line("0", 0, h, 0, 0)
            .EndSection()
            .End();
        return dxf;
    }

    static QByteArray Gbk(const QString& text) { return QTextCodec::codecForName("GBK")->fromUnicode(text); }

    const QByteArray& Data() const { return m_data; }

private:
    QByteArray m_data;
};
