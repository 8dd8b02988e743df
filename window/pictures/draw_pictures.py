#!/usr/bin/python3
"""Draws the window's pictures: the comet icon, the square-root, power and point faces and
the exchange arrows, each at 1x and 2x (the icon at every size a desktop asks for).

Shapes are described in a 24- or 32-unit square and rendered 8x oversampled, so every
size is drawn from the geometry rather than scaled from another bitmap. Needs Pillow
(Debian: python3-pil) and fonts-liberation. Run from anywhere; writes beside itself.
"""
import math
import os

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OVERSAMPLE = 8
SERIF_ITALIC = "/usr/share/fonts/truetype/liberation/LiberationSerif-Italic.ttf"

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


class Canvas:
    """A square of `units` design units drawn at `pixels` pixels."""

    def __init__(self, units, pixels, fill=CLEAR):
        self.scale = pixels * OVERSAMPLE / units
        self.pixels = pixels
        self.image = Image.new("RGBA", (pixels * OVERSAMPLE,) * 2, fill)
        self.draw = ImageDraw.Draw(self.image)

    def at(self, *xy):
        return [v * self.scale for v in xy]

    def rect(self, x0, y0, x1, y1, fill):
        self.draw.rectangle(self.at(x0, y0, x1, y1), fill=fill)

    def ellipse(self, cx, cy, r, fill):
        self.draw.ellipse(self.at(cx - r, cy - r, cx + r, cy + r), fill=fill)

    def line(self, points, width, fill):
        flat = [v for p in points for v in self.at(*p)]
        self.draw.line(flat, fill=fill, width=max(1, round(width * self.scale)), joint="curve")

    def polygon(self, points, fill, outline=None, width=0):
        flat = [v for p in points for v in self.at(*p)]
        self.draw.polygon(flat, fill=fill)
        if outline:
            self.line(points + [points[0]], width, outline)

    def text(self, x, y, size, s, fill):
        font = ImageFont.truetype(SERIF_ITALIC, round(size * self.scale))
        self.draw.text(self.at(x, y), s, font=font, fill=fill)

    def result(self):
        return self.image.resize((self.pixels,) * 2, Image.LANCZOS)


def clear_rows(image, rows):
    """Makes whole rows transparent, in the design's 24-row grid."""
    px = image.load()
    step = image.size[1] / 24
    for row in rows:
        for y in range(round(row * step), round((row + 1) * step)):
            for x in range(image.size[0]):
                px[x, y] = CLEAR
    return image


def square_root(pixels):
    # The top row and the two bottom rows are transparent; the rest is white paper.
    c = Canvas(24, pixels, WHITE)
    c.line([(3, 13), (5.5, 11.5), (8.5, 19.5), (12, 4), (21.5, 4)], 1.6, BLACK)
    c.text(12.2, 5.2, 12, "x", BLACK)
    return clear_rows(c.result(), [0, 22, 23])


def power(pixels):
    # A white square with a margin of three to four transparent pixels.
    c = Canvas(24, pixels)
    c.rect(3.5, 3.5, 20.5, 20.5, WHITE)
    c.text(5.5, 5.5, 14, "x", BLACK)
    c.text(13.5, 3.2, 9, "n", BLACK)
    return c.result()


def point(pixels):
    # Two colours only: a white band 13 rows high holding a black disc 5 pixels across.
    size = pixels
    unit = size / 24
    image = Image.new("RGBA", (size, size), CLEAR)
    draw = ImageDraw.Draw(image)
    top = round(5.5 * unit)
    draw.rectangle([0, top, size - 1, top + round(13 * unit) - 1], fill=WHITE)
    centre = size / 2
    radius = 2.5 * unit
    for y in range(size):
        for x in range(size):
            if (x + 0.5 - centre) ** 2 + (y + 0.5 - (top + 6.5 * unit)) ** 2 <= radius ** 2:
                image.putpixel((x, y), BLACK)
    return image


def arrows(pixels):
    # Up on the left, down on the right: black with a white outline on a clear ground.
    # Drawn inside the middle 24 units so the 25-pixel button shows the whole of it.
    c = Canvas(32, pixels)
    up = [(11, 6), (16, 12), (13, 12), (13, 26), (9, 26), (9, 12), (6, 12)]
    down = [(x + 10, 32 - y) for x, y in up]
    for shape in (up, down):
        c.polygon(shape, WHITE, WHITE, 2.6)
        c.polygon(shape, BLACK)
    return c.result()


def comet(pixels):
    c = Canvas(32, pixels)
    # Night sky of black and dark red, inside a thin grey bevelled frame.
    sky = Image.new("RGBA", c.image.size, BLACK)
    glow = Image.new("RGBA", c.image.size, CLEAR)
    ImageDraw.Draw(glow).ellipse(c.at(-6, 10, 26, 42), fill=(110, 0, 0, 255))
    sky = Image.alpha_composite(sky, glow.filter(ImageFilter.GaussianBlur(6 * c.scale)))
    c.image.paste(sky)
    # The tail: a streak from the head at the upper right to the lower left, widening and
    # fading from orange into red as it goes.
    head = (22.5, 9.5)
    tail = Image.new("RGBA", c.image.size, CLEAR)
    draw = ImageDraw.Draw(tail)
    steps = 60
    for i in range(steps, -1, -1):
        t = i / steps
        x, y = head[0] - 19 * t, head[1] + 19 * t
        r = 1.8 + 4.2 * t
        red = 255
        green = round(170 * (1 - t) ** 1.5)
        alpha = round(255 * (1 - t) ** 0.8)
        draw.ellipse(c.at(x - r, y - r, x + r, y + r), fill=(red, green, 20, alpha))
    tail = tail.filter(ImageFilter.GaussianBlur(1.2 * c.scale))
    c.image = Image.alpha_composite(c.image, tail)
    # The glowing head: an orange halo around a white-pink core.
    halo = Image.new("RGBA", c.image.size, CLEAR)
    ImageDraw.Draw(halo).ellipse(c.at(head[0] - 4.5, head[1] - 4.5, head[0] + 4.5,
                                      head[1] + 4.5), fill=(255, 150, 40, 255))
    c.image = Image.alpha_composite(c.image, halo.filter(ImageFilter.GaussianBlur(1.5 * c.scale)))
    c.draw = ImageDraw.Draw(c.image)
    c.ellipse(*head, 2.6, (255, 215, 210, 255))
    c.ellipse(*head, 1.5, WHITE)
    image = c.result()
    # The frame is drawn at the final size so it stays one pixel thin at every size.
    draw = ImageDraw.Draw(image)
    edge = pixels - 1
    draw.line([(0, edge), (0, 0), (edge, 0)], fill=(200, 200, 200, 255))
    draw.line([(1, edge), (edge, edge), (edge, 1)], fill=(90, 90, 90, 255))
    return image


def save_gif(image, path):
    # GIF has one transparent palette entry: anything mostly clear becomes it.
    alpha = image.getchannel("A")
    rgb = Image.new("RGB", image.size, (255, 0, 255))
    rgb.paste(image.convert("RGB"), mask=alpha.point(lambda a: 255 if a >= 128 else 0))
    paletted = rgb.convert("P", palette=Image.ADAPTIVE, colors=255)
    key = paletted.getpixel((0, 0))
    paletted.save(path, transparency=key)


def main():
    for name, draw, size in (("sqrt", square_root, 24), ("power", power, 24),
                             ("point", point, 24)):
        draw(size).save(os.path.join(HERE, f"{name}.png"), optimize=True)
        draw(size * 2).save(os.path.join(HERE, f"{name}@2x.png"), optimize=True)
    save_gif(arrows(32), os.path.join(HERE, "arrows.gif"))
    save_gif(arrows(64), os.path.join(HERE, "arrows@2x.gif"))
    for size in (16, 24, 32, 48, 64, 128, 256):
        comet(size).save(os.path.join(HERE, f"comet-{size}.png"), optimize=True)


if __name__ == "__main__":
    main()
