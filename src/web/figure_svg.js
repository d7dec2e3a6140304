// The picture area: an SVG that draws what the core's drawing operations say,
// and nothing else. Each operation brings its own place (twips), colours and
// size, and the SVG's coordinates are twips too, so the numbers go in as they
// are. The browser rasterises vectors at whatever resolution it shows them:
// the figure is as sharp as the buttons at every fit scale, page zoom, pinch
// zoom and screen density, and on paper, with nothing to redraw.

const SVG = 'http://www.w3.org/2000/svg';
const TWIPS_PER_PIXEL = 15;
const TWIPS_PER_POINT = 20;

// The numbers of one operation in the core's drawing(): the paint, where it
// lands (at[0..3]), size, colour, solid, fill colour, text index.
const PAINT_CLEAR = 0;
const PAINT_LINE = 1;
const PAINT_CIRCLE = 2;
const PAINT_TEXT = 3;

class FigureSvg {
  // svg: the element; width, height: its inside in the window's pixels;
  // fontFamily: the CSS font-family list for the figure's texts.
  constructor(svg, width, height, fontFamily, opFields) {
    this.svg = svg;
    this.fontFamily = fontFamily;
    this.opFields = opFields;
    this.colours = new Map();
    this.ascents = new Map();
    this.measure = null;
    svg.setAttribute('viewBox', '0 0 ' + width * TWIPS_PER_PIXEL + ' ' + height * TWIPS_PER_PIXEL);
    // The picture area clips what falls outside it, as a window does.
    svg.setAttribute('overflow', 'hidden');
    svg.setAttribute('font-family', fontFamily);
    svg.setAttribute('stroke-linecap', 'round');
    svg.setAttribute('stroke-linejoin', 'round');
  }

  colour(n) {
    let c = this.colours.get(n);
    if (c === undefined) {
      c = '#' + n.toString(16).padStart(6, '0');
      this.colours.set(n, c);
    }
    return c;
  }

  // Where the glyphs' baseline lies below the top of the character cell, in
  // twips: the font's ascent, as the desktop places its texts. Measured once
  // a size, off screen.
  ascent(points) {
    let a = this.ascents.get(points);
    if (a === undefined) {
      if (!this.measure)
        this.measure = document.createElement('canvas').getContext('2d');
      this.measure.font = points + 'pt ' + this.fontFamily;
      const m = this.measure.measureText('Ａ');
      const px = m.fontBoundingBoxAscent !== undefined ? m.fontBoundingBoxAscent : m.actualBoundingBoxAscent;
      a = px * TWIPS_PER_PIXEL;
      this.ascents.set(points, a);
    }
    return a;
  }

  element(name, attributes) {
    const e = document.createElementNS(SVG, name);
    for (const key in attributes)
      e.setAttribute(key, attributes[key]);
    return e;
  }

  // The core's drawing, since its last clear, becomes the picture's elements.
  // Its numbers are a view into the module's memory: read here, at once.
  render(drawing) {
    const ops = drawing.ops;
    const n = this.opFields;
    const shapes = document.createDocumentFragment();
    for (let i = 0; i < ops.length; i += n) {
      const paint = ops[i];
      const colour = this.colour(ops[i + 6]);
      if (paint === PAINT_CLEAR) {
        shapes.replaceChildren(this.element('rect', { width: '100%', height: '100%', fill: colour }));
      } else if (paint === PAINT_LINE) {
        shapes.appendChild(this.element('line', {
          x1: ops[i + 1], y1: ops[i + 2], x2: ops[i + 3], y2: ops[i + 4],
          stroke: colour, 'stroke-width': ops[i + 5] * TWIPS_PER_PIXEL,
        }));
      } else if (paint === PAINT_CIRCLE) {
        shapes.appendChild(this.element('circle', {
          cx: ops[i + 1], cy: ops[i + 2], r: ops[i + 3],
          fill: ops[i + 7] === 1 ? this.colour(ops[i + 8]) : 'none',
          stroke: colour, 'stroke-width': ops[i + 5] * TWIPS_PER_PIXEL,
        }));
      } else if (paint === PAINT_TEXT) {
        const points = ops[i + 5];
        const text = this.element('text', {
          x: ops[i + 1], y: ops[i + 2] + this.ascent(points),
          fill: colour, 'font-size': points * TWIPS_PER_POINT,
        });
        text.textContent = drawing.texts[ops[i + 9]];
        shapes.appendChild(text);
      }
    }
    this.svg.replaceChildren(shapes);
  }
}
