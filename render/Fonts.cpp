#include "Fonts.h"

#include <QGuiApplication>

void InstallFontSubstitutions()
{
    QFont::insertSubstitution(FaceMsPGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(FaceMsUiGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(FaceMeiryo, QStringLiteral("IPAexGothic"));
    QFont::insertSubstitution(FaceArial, QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(FaceTahoma, QStringLiteral("DejaVu Sans"));
    // A canvas without a face of its own draws in the Japanese UI face.
    QFont base(QStringLiteral("IPAPGothic"));
    base.setPixelSize(12);
    QGuiApplication::setFont(base);
}

QFont PixelFont(const QString &face, int pixels, bool bold)
{
    QFont font(face);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

QFont PointFont(const QString &face, int points, bool bold)
{
    // 96 dpi: one point is 4/3 pixels, rounded as the platform rounds.
    return PixelFont(face, (points * 96 + 36) / 72, bold);
}

void TextOut(QPainter &canvas, int x, int y, const QString &text)
{
    canvas.drawText(x, y + canvas.fontMetrics().ascent(), text);
}
