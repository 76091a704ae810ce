/* Draws the About box picture and writes it as a baseline JPEG.
 *
 *   cc MakeAboutPicture.c -ljpeg -lm -o make-about-picture
 *   ./make-about-picture about/AboutPicture.jpg
 *
 * Run once; the resulting file is kept in the repository. The labels of the
 * dialog sit on the right half, so the drawing keeps that part calm: a light
 * gradient with two rules, the emblem (a small pivot grid) on the left. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>

#include <jpeglib.h>

enum { kWidth = 294, kHeight = 375, kQuality = 85 };

typedef struct {
  unsigned char r, g, b;
} Rgb;

static Rgb Mix(Rgb a, Rgb b, double t) {
  Rgb out = {(unsigned char)(a.r + (b.r - a.r) * t), (unsigned char)(a.g + (b.g - a.g) * t),
             (unsigned char)(a.b + (b.b - a.b) * t)};
  return out;
}

static const Rgb kTop = {250, 251, 255};
static const Rgb kBottom = {206, 220, 240};
static const Rgb kRule = {120, 150, 200};
static const Rgb kEmblem = {36, 84, 164};
static const Rgb kHeader = {236, 140, 40};
static const Rgb kGridLine = {255, 255, 255};
static const Rgb kWave = {170, 196, 232};

/* Emblem: a 68 x 68 square at (20, 26) with rounded corners, cut into a
 * 4 x 4 grid whose top row and left column are the header colour. */
enum { kEmblemLeft = 20, kEmblemTop = 26, kEmblemSize = 68, kCell = 17, kCorner = 8 };

static int InsideRoundedSquare(int x, int y) {
  int dx = x - kEmblemLeft, dy = y - kEmblemTop;
  if (dx < 0 || dy < 0 || dx >= kEmblemSize || dy >= kEmblemSize) return 0;
  int cx = dx < kCorner ? kCorner : (dx >= kEmblemSize - kCorner ? kEmblemSize - kCorner - 1 : dx);
  int cy = dy < kCorner ? kCorner : (dy >= kEmblemSize - kCorner ? kEmblemSize - kCorner - 1 : dy);
  return (dx - cx) * (dx - cx) + (dy - cy) * (dy - cy) <= kCorner * kCorner;
}

static Rgb EmblemPixel(int x, int y) {
  int dx = x - kEmblemLeft, dy = y - kEmblemTop;
  if (dx % kCell == 0 || dy % kCell == 0) return kGridLine;
  if (dx / kCell == 0 || dy / kCell == 0) return kHeader;
  return kEmblem;
}

static Rgb Pixel(int x, int y) {
  Rgb colour = Mix(kTop, kBottom, (double)y / (kHeight - 1));
  /* A soft wave along the bottom left, below the notice line. */
  double crest = 330.0 + 14.0 * sin(x / 23.0);
  if (y > crest && x < 190) colour = Mix(colour, kWave, 0.6);
  if ((y == 128 || y == 250) && x >= 14 && x < 280) colour = kRule;
  if (InsideRoundedSquare(x, y)) colour = EmblemPixel(x, y);
  return colour;
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s <output.jpg>\n", argv[0]);
    return 2;
  }
  FILE* out = fopen(argv[1], "wb");
  if (!out) {
    perror(argv[1]);
    return 1;
  }
  struct jpeg_compress_struct info;
  struct jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = kWidth;
  info.image_height = kHeight;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  jpeg_start_compress(&info, TRUE);
  unsigned char row[kWidth * 3];
  while (info.next_scanline < info.image_height) {
    int y = (int)info.next_scanline;
    for (int x = 0; x < kWidth; ++x) {
      Rgb colour = Pixel(x, y);
      row[x * 3] = colour.r;
      row[x * 3 + 1] = colour.g;
      row[x * 3 + 2] = colour.b;
    }
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return fclose(out) == 0 ? 0 : 1;
}
