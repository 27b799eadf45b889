#include "support/pdfcontent.h"

#include <QByteArrayList>
#include <cctype>
#include <cmath>

namespace {

// The streams of the document, inflated where they are compressed: each stream's dictionary lies
// between the "obj" that opens its object and the keyword "stream".
QByteArrayList streamsOf(const QByteArray& pdf) {
    QByteArrayList streams;
    for (qsizetype at = pdf.indexOf("stream"); at >= 0; at = pdf.indexOf("stream", at + 6)) {
        if (at >= 3 && pdf.mid(at - 3, 3) == "end") continue;
        qsizetype begin = at + 6;
        if (pdf.mid(begin, 2) == "\r\n")
            begin += 2;
        else if (pdf.mid(begin, 1) == "\n")
            begin += 1;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) break;
        const qsizetype object = pdf.lastIndexOf(" obj", at);
        const QByteArray dictionary = pdf.mid(object, at - object);
        QByteArray data = pdf.mid(begin, end - begin);
        if (dictionary.contains("/FlateDecode"))
            data = qUncompress(QByteArray(4, '\0') + data);  // qUncompress wants the size first; 0 is unknown
        streams << data;
        at = end;
    }
    return streams;
}

bool isContent(const QByteArray& stream) {
    if (stream.isEmpty() || stream.contains("begincmap")) return false;
    for (char c : stream)
        if ((c < 32 || c > 126) && c != '\n' && c != '\r' && c != '\t') return false;
    return stream.contains(" cm");
}

// A PDF matrix [a b c d e f]: x' = a x + c y + e, y' = b x + d y + f.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    QPointF map(QPointF p) const { return {a * p.x() + c * p.y() + e, b * p.x() + d * p.y() + f}; }
    // This matrix applied first, then `then`.
    Matrix times(const Matrix& then) const {
        return {a * then.a + b * then.c, a * then.b + b * then.d,          c * then.a + d * then.c,
                c * then.b + d * then.d, e * then.a + f * then.c + then.e, e * then.b + f * then.d + then.f};
    }
    double scale() const { return std::sqrt(std::abs(a * d - b * c)); }
};

// Reads the operators of a content stream that place and stroke lines; strings (the glyphs of texts)
// and arrays are passed over.
class ContentReader {
public:
    void read(const QByteArray& content) {
        for (qsizetype i = 0; i < content.size();) {
            const char c = content[i];
            if (std::isspace(static_cast<unsigned char>(c)) || c == '[' || c == ']') {
                ++i;
            } else if (c == '<') {
                i = content.indexOf('>', i) + 1;
            } else if (c == '(') {
                i = content.indexOf(')', i) + 1;  // Qt writes no brackets inside its strings
            } else {
                qsizetype end = i;
                while (end < content.size() && !std::isspace(static_cast<unsigned char>(content[end])) &&
                       !QByteArray("[]<(").contains(content[end]))
                    ++end;
                token(content.mid(i, end - i));
                i = end;
            }
        }
    }

    std::vector<PdfStroke> strokes;

private:
    struct State {
        Matrix ctm;
        double width = 1;
    };

    void token(const QByteArray& word) {
        bool number = false;
        const double value = word.toDouble(&number);
        if (number) return operands_.push_back(value);
        operate(word);
        operands_.clear();
    }

    QPointF point(size_t at) const { return state_.ctm.map(QPointF(operands_[at], operands_[at + 1])); }

    void operate(const QByteArray& op) {
        const size_t n = operands_.size();
        if (op == "q") {
            saved_.push_back(state_);
        } else if (op == "Q" && !saved_.empty()) {
            state_ = saved_.back();
            saved_.pop_back();
        } else if (op == "cm" && n == 6) {
            const Matrix m{operands_[0], operands_[1], operands_[2],
                           operands_[3], operands_[4], operands_[5]};
            state_.ctm = m.times(state_.ctm);
        } else if (op == "w" && n == 1) {
            state_.width = operands_[0];
        } else if (op == "m" && n == 2) {
            from_ = to_ = point(0);
        } else if ((op == "l" && n == 2) || (op == "c" && n == 6)) {
            to_ = point(n - 2);
        } else if (op == "S" || op == "s" || op == "B" || op == "b") {
            strokes.push_back({state_.width * state_.ctm.scale(), from_, to_});
        }
    }

    State state_;
    std::vector<State> saved_;
    std::vector<double> operands_;
    QPointF from_, to_;
};

}  // namespace

std::vector<PdfStroke> strokesOf(const QByteArray& pdf) {
    ContentReader reader;
    for (const QByteArray& stream : streamsOf(pdf))
        if (isContent(stream)) reader.read(stream);
    return reader.strokes;
}

namespace {

double distance(QPointF a, QPointF b) {
    return std::hypot(b.x() - a.x(), b.y() - a.y());
}

}  // namespace

std::vector<DottedLine> dottedLinesOf(const std::vector<PdfStroke>& strokes) {
    std::vector<DottedLine> lines;
    const PdfStroke* last = nullptr;  // the last dot of the line being read
    for (const PdfStroke& stroke : strokes) {
        const double length = distance(stroke.from, stroke.to);
        if (length <= 0 || length >= 1) {
            last = nullptr;
            continue;
        }
        const QPointF along = last ? stroke.from - last->from : QPointF();
        const QPointF direction = last ? last->to - last->from : QPointF();
        const bool continues = last && distance(last->from, stroke.from) < 3 &&
                               std::abs(along.x() * direction.y() - along.y() * direction.x()) < 0.1;
        if (continues) {
            DottedLine& line = lines.back();
            line.period = (distance(line.from, stroke.from)) / line.dots;
            ++line.dots;
            line.to = stroke.to;
        } else {
            lines.push_back({stroke.from, stroke.to, 1, length, 0});
        }
        last = &stroke;
    }
    return lines;
}
