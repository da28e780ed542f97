"""Checks the regions of the printed report page (a PPM rendered from its PDF):
the date line and the title at the top, the green table grid top right, the red
curve and the blue caption of the graph on the left, the coefficients below it."""
import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    parts, pos = [], 0
    while len(parts) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        parts.append(data[start:pos])
    assert parts[0] == b"P6", "not a binary PPM"
    width, height = int(parts[1]), int(parts[2])
    return width, height, data[pos + 1:]


def main(path):
    width, height, pixels = read_ppm(path)

    def pixel(x, y):
        i = 3 * (y * width + x)
        return pixels[i], pixels[i + 1], pixels[i + 2]

    def count(box, test):
        x0, y0, x1, y1 = box
        return sum(1 for y in range(y0, y1) for x in range(x0, x1) if test(*pixel(x, y)))

    ink = lambda r, g, b: r + g + b < 600
    dark = lambda r, g, b: r < 90 and g < 90 and b < 90
    green = lambda r, g, b: g > 90 and r < 80 and b < 80
    red = lambda r, g, b: r > 180 and g < 90 and b < 90
    blue = lambda r, g, b: b > 160 and r < 90 and g < 90

    rows = [y for y in range(height) if any(ink(*pixel(x, y)) for x in range(0, width, 2))]
    assert rows, "the page is blank"
    top = rows[0]
    columns = [x for x in range(width) if any(ink(*pixel(x, y)) for y in range(top, height, 2))]
    left, right = columns[0], columns[-1]
    span = right - left
    unit = span / 736.0  # the drawing is 736 sheet pixels wide (the table's right border)
    at = lambda sx, sy: (int(left + sx * unit), int(top + (sy - 10) * unit))

    def region(name, sx0, sy0, sx1, sy1, test, least):
        x0, y0 = at(sx0, sy0)
        x1, y1 = at(sx1, sy1)
        found = count((max(0, x0), max(0, y0), min(width, x1), min(height, y1)), test)
        status = "ok" if found >= least else "MISSING"
        print(f"{name:28s} {found:6d} pixels  {status}")
        return found >= least

    checks = [
        region("date line", 100, 8, 420, 24, dark, 20),
        region("title", 100, 30, 700, 48, dark, 40),
        region("table grid", 370, 80, 736, 180, green, 200),
        region("graph caption", 0, 55, 200, 75, blue, 10),
        region("fitted curve", 20, 80, 360, 350, red, 100),
        region("coefficient panel", 90, 430, 330, 500, dark, 30),
    ]
    return 0 if all(checks) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
