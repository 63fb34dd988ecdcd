#include "app/SmallIcons.h"

#include <initializer_list>
#include <vector>

namespace nx {
namespace {

// Selects a solid brush and pen for one shape and frees them afterwards.
template <typename Draw>
void WithColors(HDC dc, COLORREF fill, COLORREF outline, Draw draw) {
  HBRUSH brush = CreateSolidBrush(fill);
  HPEN pen = CreatePen(PS_SOLID, 1, outline);
  HGDIOBJ oldBrush = SelectObject(dc, brush);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  draw();
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(brush);
  DeleteObject(pen);
}

void Box(HDC dc, RECT r, COLORREF fill, COLORREF outline) {
  WithColors(dc, fill, outline, [&] { Rectangle(dc, r.left, r.top, r.right, r.bottom); });
}

void Oval(HDC dc, RECT r, COLORREF fill, COLORREF outline) {
  WithColors(dc, fill, outline, [&] { Ellipse(dc, r.left, r.top, r.right, r.bottom); });
}

void Shape(HDC dc, std::initializer_list<POINT> corners, COLORREF fill, COLORREF outline) {
  std::vector<POINT> points(corners);
  WithColors(dc, fill, outline, [&] { Polygon(dc, points.data(), static_cast<int>(points.size())); });
}

void Fill(HDC dc, RECT r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

void Line(HDC dc, std::initializer_list<POINT> points, COLORREF color, int width = 1) {
  std::vector<POINT> path(points);
  HPEN pen = CreatePen(PS_SOLID, width, color);
  HGDIOBJ old = SelectObject(dc, pen);
  Polyline(dc, path.data(), static_cast<int>(path.size()));
  SelectObject(dc, old);
  DeleteObject(pen);
}

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kPageEdge = RGB(110, 110, 110);
constexpr COLORREF kTextGrey = RGB(150, 150, 150);
constexpr COLORREF kBlue = RGB(45, 100, 200);
constexpr COLORREF kDarkBlue = RGB(25, 60, 140);

// A sheet with a folded corner, the base of every file picture.
void Page(HDC dc) {
  Shape(dc, {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}}, kWhite, kPageEdge);
  Shape(dc, {{10, 1}, {10, 4}, {13, 4}}, RGB(215, 215, 215), kPageEdge);
}

void Neutral(HDC dc) {
  Shape(dc, {{8, 4}, {12, 8}, {8, 12}, {4, 8}}, RGB(195, 195, 195), RGB(125, 125, 125));
}

void Favorite(HDC dc) {
  Shape(dc, {{8, 1}, {10, 6}, {15, 6}, {11, 9}, {12, 14}, {8, 11}, {4, 14}, {5, 9}, {1, 6}, {6, 6}}, RGB(250, 200, 40),
        RGB(185, 125, 0));
}

void Shortcut(HDC dc) {
  Page(dc);
  Box(dc, {1, 8, 9, 16}, kWhite, kDarkBlue);
  Line(dc, {{3, 13}, {6, 10}}, kBlue, 2);
  Shape(dc, {{4, 9}, {7, 9}, {7, 12}}, kBlue, kBlue);
}

void Cookie(HDC dc) {
  Oval(dc, {1, 1, 15, 15}, RGB(215, 165, 95), RGB(145, 95, 40));
  for (POINT chip : {POINT{4, 5}, POINT{9, 4}, POINT{6, 9}, POINT{10, 9}, POINT{7, 12}})
    Fill(dc, {chip.x, chip.y, chip.x + 2, chip.y + 2}, RGB(95, 55, 20));
}

void Program(HDC dc) {
  Box(dc, {1, 2, 15, 14}, kWhite, kDarkBlue);
  Fill(dc, {2, 3, 14, 6}, kBlue);
  Fill(dc, {4, 8, 8, 12}, RGB(60, 170, 70));
  Fill(dc, {9, 8, 13, 9}, kTextGrey);
  Fill(dc, {9, 10, 12, 11}, kTextGrey);
}

void RegistryKey(HDC dc) {
  constexpr COLORREF gold = RGB(230, 180, 40), edge = RGB(150, 105, 15);
  Box(dc, {7, 6, 15, 9}, gold, edge);
  Box(dc, {11, 8, 13, 12}, gold, edge);
  Box(dc, {13, 8, 15, 11}, gold, edge);
  Oval(dc, {1, 3, 9, 12}, gold, edge);
  Oval(dc, {3, 6, 6, 9}, gui::ImageList::kCanvas, edge);  // the hole shows what is behind
}

void AutostartActive(HDC dc) {
  Oval(dc, {1, 1, 15, 15}, RGB(45, 165, 65), RGB(20, 100, 35));
  Shape(dc, {{6, 4}, {6, 11}, {11, 7}}, kWhite, kWhite);
}

void AutostartInactive(HDC dc) {
  Oval(dc, {1, 1, 15, 15}, RGB(165, 165, 165), RGB(110, 110, 110));
  Fill(dc, {5, 4, 7, 11}, kWhite);
  Fill(dc, {9, 4, 11, 11}, kWhite);
}

void TextInFile(HDC dc) {
  Page(dc);
  Fill(dc, {4, 8, 12, 11}, RGB(255, 230, 60));
  for (int y : {5, 9, 12}) Fill(dc, {5, y, 11, y + 1}, y == 9 ? RGB(60, 60, 60) : kTextGrey);
}

void Folder(HDC dc) {
  constexpr COLORREF edge = RGB(170, 125, 25);
  Shape(dc, {{1, 3}, {6, 3}, {7, 5}, {14, 5}, {14, 13}, {1, 13}}, RGB(235, 190, 70), edge);
  Box(dc, {1, 6, 15, 14}, RGB(250, 215, 110), edge);
}

void FileName(HDC dc) {
  Page(dc);
  Fill(dc, {4, 9, 13, 14}, kBlue);
  Fill(dc, {6, 11, 11, 12}, kWhite);
}

void RegistryValue(HDC dc) {
  constexpr COLORREF red = RGB(200, 30, 30);
  Box(dc, {1, 2, 15, 14}, kWhite, kPageEdge);
  Oval(dc, {3, 7, 8, 12}, kWhite, red);  // "a"
  Line(dc, {{7, 7}, {7, 12}}, red);
  Line(dc, {{9, 4}, {9, 12}}, red);  // "b"
  Oval(dc, {9, 7, 14, 12}, kWhite, red);
}

void RegistryData(HDC dc) {
  constexpr COLORREF body = RGB(70, 130, 210);
  Oval(dc, {3, 11, 13, 15}, body, kDarkBlue);
  Fill(dc, {3, 4, 13, 13}, body);
  Line(dc, {{3, 4}, {3, 13}}, kDarkBlue);
  Line(dc, {{12, 4}, {12, 13}}, kDarkBlue);
  Oval(dc, {3, 2, 13, 6}, RGB(145, 190, 240), kDarkBlue);
}

struct Picture {
  int index;
  void (*draw)(HDC);
};

constexpr Picture kPictures[] = {
    {kIconFavorite, Favorite},
    {kIconShortcut, Shortcut},
    {kIconCookie, Cookie},
    {kIconFile, Page},
    {kIconProgram, Program},
    {kIconRegistryKey, RegistryKey},
    {kIconAutostartActive, AutostartActive},
    {kIconTextInFile, TextInFile},
    {kIconAutostartInactive, AutostartInactive},
    {kIconFolder, Folder},
    {kIconFileName, FileName},
    {kIconRegistryValue, RegistryValue},
    {kIconRegistryData, RegistryData},
};

}  // namespace

gui::ImageList MakeSmallIcons16() {
  gui::ImageList list;
  for (int index = 0; index < kSmallIconCount; ++index) {
    void (*draw)(HDC) = Neutral;
    for (const Picture& picture : kPictures)
      if (picture.index == index) draw = picture.draw;
    list.Add(draw);
  }
  return list;
}

}  // namespace nx
