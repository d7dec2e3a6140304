// The picture area: an SVG that draws what the core's drawing operations say,
// and nothing else. Each operation brings its own place (twips), colours and
// size, and the SVG's coordinates are twips too, so the numbers go in as they
// are. The browser rasterises vectors at whatever resolution it shows them:
// the figure is as sharp as the buttons at every fit scale, page zoom, pinch
// zoom and screen density, and on paper, with nothing to redraw.

export const SVG = 'http://www.w3.org/2000/svg';

export class FigureSvg {
  // svg: the element, whose texts take the window's font family; width,
  // height: its inside in the window's pixels; format: the core's
  // opFormat(), where each number of an operation stands.
  constructor(svg, width, height, format) {
    this.svg = svg;
    this.format = format;
    this.colours = new Map();
    this.ascents = new Map();
    this.family = null; // the texts' font family, as the window gives it
    this.measure = null;
    const k = format.twipsPerPixel;
    svg.setAttribute('viewBox', '0 0 ' + width * k + ' ' + height * k);
    // The picture area clips what falls outside it, as a window does.
    svg.setAttribute('overflow', 'hidden');
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
  // a face and size, off screen.
  ascent(family, points) {
    const key = points + 'pt ' + family;
    let a = this.ascents.get(key);
    if (a === undefined) {
      const m = this.measured('Ａ', family, points);
      const px = m.fontBoundingBoxAscent !== undefined ? m.fontBoundingBoxAscent : m.actualBoundingBoxAscent;
      a = px * this.format.twipsPerPixel;
      this.ascents.set(key, a);
    }
    return a;
  }

  // How wide `text` is at `points`, in CSS pixels, in the face the texts
  // are drawn in: where the core sets ruby over its base.
  textWidth(text, points) {
    if (this.family === null)
      this.family = getComputedStyle(this.svg).fontFamily;
    return this.measured(text, this.family, points).width;
  }

  // The text's metrics in that face and size, off screen.
  measured(text, family, points) {
    if (!this.measure)
      this.measure = document.createElement('canvas').getContext('2d');
    this.measure.font = points + 'pt ' + family;
    return this.measure.measureText(text);
  }

  element(name, attributes) {
    const e = document.createElementNS(SVG, name);
    for (const key in attributes)
      e.setAttribute(key, attributes[key]);
    return e;
  }

  // The window's font family has changed: the texts' places follow it.
  familyChanged() {
    this.family = null;
  }

  // The core's drawing, since its last clear, becomes the picture's elements.
  // Its numbers are a view into the module's memory: read here, at once.
  render(drawing) {
    const ops = drawing.ops;
    const f = this.format;
    if (this.family === null)
      this.family = getComputedStyle(this.svg).fontFamily;
    const family = this.family;
    const pen = f.twipsPerPixel; // a pen's width is in pixels
    const shapes = document.createDocumentFragment();
    for (let i = 0; i < ops.length; i += f.fields) {
      const paint = ops[i];
      const at = i + f.at;
      const size = ops[i + f.size];
      const colour = this.colour(ops[i + f.colour]);
      if (paint === f.paint.clear) {
        shapes.replaceChildren(this.element('rect', { width: '100%', height: '100%', fill: colour }));
      } else if (paint === f.paint.line) {
        shapes.appendChild(this.element('line', {
          x1: ops[at], y1: ops[at + 1], x2: ops[at + 2], y2: ops[at + 3], stroke: colour, 'stroke-width': size * pen,
        }));
      } else if (paint === f.paint.circle) {
        shapes.appendChild(this.element('circle', {
          cx: ops[at], cy: ops[at + 1], r: ops[at + 2],
          fill: ops[i + f.solid] === 1 ? this.colour(ops[i + f.fill]) : 'none',
          stroke: colour, 'stroke-width': size * pen,
        }));
      } else if (paint === f.paint.text) {
        const text = this.element('text', {
          x: ops[at], y: ops[at + 1] + this.ascent(family, size), fill: colour, 'font-size': size * f.twipsPerPoint,
        });
        text.textContent = drawing.texts[ops[i + f.text]];
        shapes.appendChild(text);
      }
    }
    this.svg.replaceChildren(shapes);
  }
}
