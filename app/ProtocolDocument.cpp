#include "ProtocolDocument.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace {
struct Text {
    const char *en;
    const char *zh;
};
struct Row {
    Text title, text, caption;
    std::vector<const char *> fields;
};

// One row per section and picture. Fields name the bytes of the frame drawn.
const std::vector<Row> &Rows()
{
    static const std::vector<Row> rows = {
        {{"1. Frame layout", "1. 帧格式"},
         {"Every command and reply is one frame: 10 02 00 ID LEN CODE DATA... 10 03 CHK.\nID is the device ID "
          "(1 to 250), LEN the payload length plus 1, CODE the command code.\nThere is no escaping: the end is found "
          "by LEN alone.",
          "每条命令和应答都是一帧：10 02 00 ID LEN CODE DATA... 10 03 CHK。\nID 为设备号（1 至 250），LEN 为数据长度加 "
          "1，CODE 为命令码。\n帧内不做转义，帧尾由 LEN 确定。"},
         {"Command frame", "命令帧"},
         {"10", "02", "00", "ID", "LEN", "CODE", "DATA...", "10", "03", "CHK"}},
        {{"2. Check byte", "2. 校验字节"},
         {"CHK is the XOR of every byte before it, from the first 10 to the 03.\nA frame whose check byte differs is "
          "dropped by the receiver.",
          "CHK 为其前所有字节（从第一个 10 到 03）的异或值。\n校验字节不符的帧由接收方丢弃。"},
         {"Check byte over the frame", "整帧的校验"},
         {"10", "02", "00", "01", "01", "12", "10", "03", "XOR"}},
        {{"3. Replies", "3. 应答"},
         {"A reply has the same layout; byte 2 carries the ID of the answering device.\nCode 01 acknowledges a "
          "setting; other codes carry data.",
          "应答格式相同；第 2 字节为应答设备的 ID。\n码 01 为设置确认，其它码带数据。"},
         {"Reply frame", "应答帧"},
         {"10", "02", "ID", "00", "LEN", "CODE", "DATA...", "10", "03", "CHK"}},
        {{"4. Connecting", "4. 连接"},
         {"The editor sends the connect probe (code 10) and then asks for the identity (code 13).\nThe device answers "
          "with its model and version text.",
          "编辑器先发送连接探测（码 10），再读取设备标识（码 13）。\n设备以型号和版本文字应答。"},
         {"Connect probe", "连接探测"},
         {"10", "02", "00", "ID", "01", "10", "10", "03", "CHK"}},
        {{"5. Gain", "5. 增益"},
         {"Code 34: channel (0 to 11), then the gain word, low byte first (0 to 400 for -60 dB to +12 dB).",
          "码 34：通道（0 至 11），然后是增益字，低字节在前（0 至 400，即 -60 dB 至 +12 dB）。"},
         {"Gain of a channel", "通道增益"},
         {"10", "02", "00", "ID", "04", "34", "CH", "GAIN L", "GAIN H", "10", "03", "CHK"}},
        {{"6. Mute and polarity", "6. 静音与相位"},
         {"Code 35 mutes a channel (1) or opens it (0); code 36 sets its polarity.",
          "码 35 将通道静音（1）或打开（0）；码 36 设置其相位。"},
         {"Mute of a channel", "通道静音"},
         {"10", "02", "00", "ID", "03", "35", "CH", "ON", "10", "03", "CHK"}},
        {{"7. Presets", "7. 预置"},
         {"Code 20 recalls preset 0 (factory) to 20; code 21 stores the settings as user preset 1 to 20;\ncode 26 "
          "names a user preset with 14 characters.",
          "码 20 调用预置 0（出厂）至 20；码 21 将当前设置存为用户预置 1 至 20；\n码 26 以 14 个字符为用户预置命名。"},
         {"Preset recall", "调用预置"},
         {"10", "02", "00", "ID", "02", "20", "NO", "10", "03", "CHK"}},
        {{"8. Lock", "8. 锁定"},
         {"Code 2F sets a four-character password; code 2D submits it (selector 0, then the four characters).\nThe "
          "answer byte is 1 when the password is accepted.",
          "码 2F 设置四个字符的密码；码 2D 提交密码（选择字节 0，然后四个字符）。\n密码正确时应答字节为 1。"},
         {"Password submit", "提交密码"},
         {"10", "02", "00", "ID", "06", "2D", "00", "P1", "P2", "P3", "P4", "10", "03", "CHK"}},
        {{"9. Levels", "9. 电平"},
         {"While online the editor polls the levels (code 40); the reply carries the input and output levels and "
          "the compressor and limiter activity.",
          "在线时编辑器轮询电平（码 40）；应答包含输入输出电平以及压缩器和限幅器的状态。"},
         {"Level reply", "电平应答"},
         {"10", "02", "ID", "00", "LEN", "40", "LEVELS...", "10", "03", "CHK"}},
        {{"10. Test signal", "10. 测试信号"},
         {"Code 39: mode (0 analogue input, 1 pink noise, 2 white noise, 3 sine),\nthen the sine frequency index "
          "(0 for 20 Hz to 30 for 20 kHz).",
          "码 39：模式（0 模拟输入，1 粉红噪声，2 白噪声，3 正弦波），\n然后是正弦频率序号（0 为 20 Hz 至 30 为 20 kHz）。"},
         {"Test signal", "测试信号"},
         {"10", "02", "00", "ID", "03", "39", "MODE", "FREQ", "10", "03", "CHK"}},
    };
    return rows;
}

QByteArray RtfEscaped(const QString &s)
{
    QByteArray out;
    for (QChar c : s) {
        const ushort u = c.unicode();
        if (u == '\\' || u == '{' || u == '}')
            out += '\\' + QByteArray(1, char(u));
        else if (u < 0x80)
            out += char(u);
        else
            out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
    return out;
}
} // namespace

std::vector<ProtocolSection> ProtocolSections(bool English)
{
    std::vector<ProtocolSection> out;
    for (const Row &r : Rows()) {
        ProtocolSection s;
        s.title = QString::fromUtf8(English ? r.title.en : r.title.zh);
        s.text = QString::fromUtf8(English ? r.text.en : r.text.zh);
        s.pictureCaption = QString::fromUtf8(English ? r.caption.en : r.caption.zh);
        for (const char *f : r.fields)
            s.fields.push_back(QString::fromLatin1(f));
        out.push_back(std::move(s));
    }
    return out;
}

QByteArray ProtocolRtf(const std::vector<ProtocolSection> &Sections, int PictureSpace)
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\fs20 ";
    for (const ProtocolSection &s : Sections) {
        rtf += "{\\b\\fs24 " + RtfEscaped(s.title) + "}\\par ";
        for (const QString &p : s.text.split('\n'))
            rtf += RtfEscaped(p) + "\\par ";
        // An empty paragraph; with room for the picture it is the picture's slot.
        if (PictureSpace > 0)
            rtf += "\\pard\\sa" + QByteArray::number(PictureSpace * 15) + "\\par\\pard ";
        else
            rtf += "\\par ";
    }
    rtf += "}";
    return rtf;
}

QByteArray ProtocolPicturePng(const ProtocolSection &Section, int Width)
{
    constexpr int kHeight = 84, kBoxTop = 10, kBoxHeight = 34;
    QImage img(Width, kHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QFont f = p.font();
    f.setPixelSize(11);
    p.setFont(f);
    const int n = int(Section.fields.size());
    const int boxWidth = (Width - 20) / std::max(n, 1);
    for (int i = 0; i < n; ++i) {
        const QRect box(10 + i * boxWidth, kBoxTop, boxWidth, kBoxHeight);
        // The frame's own bytes (start, end and check) apart from the message.
        const bool frameByte = i < 2 || i >= n - 3;
        p.fillRect(box, frameByte ? QColor(0xDD, 0xE8, 0xF6) : QColor(0xF6, 0xEE, 0xD8));
        p.setPen(QColor(0x40, 0x50, 0x70));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.drawText(box, Qt::AlignCenter, Section.fields[i]);
    }
    p.drawText(QRect(10, kBoxTop + kBoxHeight + 8, Width - 20, 20), Qt::AlignHCenter | Qt::AlignTop,
               Section.pictureCaption);
    p.end();
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "PNG");
    return png;
}
