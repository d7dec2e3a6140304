// The picture area: a canvas that draws what the core's drawing operations
// say, and nothing else. Each operation brings its own place (twips), colours
// and size; the only arithmetic here is the scaling of twips to pixels. The
// backing store follows the device pixel ratio (browser zoom, a high-density
// screen) and a higher scale for printing, re-rendered from the operations.

const TWIPS_PER_PIXEL = 15;
const FULL_TURN = 2 * Math.PI;

// The numbers of one operation in the core's drawing(): the paint, where it
// lands (at[0..3]), size, colour, solid, fill colour, text index.
const PAINT_CLEAR = 0;
const PAINT_LINE = 1;
const PAINT_CIRCLE = 2;
const PAINT_TEXT = 3;

class FigureCanvas {
  // canvas: the element; width, height: its inside in CSS pixels; fontFamily:
  // the CSS font-family list for the figure's texts.
  constructor(canvas, width, height, fontFamily, opFields) {
    this.canvas = canvas;
    this.width = width;
    this.height = height;
    this.fontFamily = fontFamily;
    this.opFields = opFields;
    this.ctx = canvas.getContext('2d', { alpha: false });
    this.scale = 0;
    this.ops = new Float32Array(0);
    this.texts = [];
    this.colours = new Map();
    this.ascents = new Map();
  }

  // The backing store at `scale` device pixels to a CSS pixel.
  setScale(scale) {
    if (scale === this.scale)
      return;
    this.scale = scale;
    this.canvas.width = Math.round(this.width * scale);
    this.canvas.height = Math.round(this.height * scale);
    this.paint();
  }

  // The core's drawing: kept (its numbers are a view into the module's
  // memory) and painted.
  render(drawing) {
    this.ops = drawing.ops.slice();
    this.texts = drawing.texts;
    this.paint();
  }

  colour(n) {
    let c = this.colours.get(n);
    if (c === undefined) {
      c = '#' + n.toString(16).padStart(6, '0');
      this.colours.set(n, c);
    }
    return c;
  }

  // Where the glyphs' baseline lies below the top of the character cell: the
  // font's ascent, as the desktop places its texts.
  ascent(font) {
    let a = this.ascents.get(font);
    if (a === undefined) {
      const m = this.ctx.measureText('Ａ');
      a = m.fontBoundingBoxAscent;
      if (a === undefined)
        a = m.actualBoundingBoxAscent;
      this.ascents.set(font, a);
    }
    return a;
  }

  paint() {
    const ctx = this.ctx;
    const ops = this.ops;
    const n = this.opFields;
    const k = 1 / TWIPS_PER_PIXEL;
    ctx.setTransform(this.scale, 0, 0, this.scale, 0, 0);
    ctx.lineCap = 'round';
    ctx.lineJoin = 'round';
    ctx.textBaseline = 'alphabetic';
    let font = null; // resizing the canvas resets its font
    for (let i = 0; i < ops.length; i += n) {
      const paint = ops[i];
      if (paint === PAINT_CLEAR) {
        ctx.fillStyle = this.colour(ops[i + 6]);
        ctx.fillRect(0, 0, this.width, this.height);
      } else if (paint === PAINT_LINE) {
        ctx.beginPath();
        ctx.moveTo(ops[i + 1] * k, ops[i + 2] * k);
        ctx.lineTo(ops[i + 3] * k, ops[i + 4] * k);
        ctx.lineWidth = ops[i + 5];
        ctx.strokeStyle = this.colour(ops[i + 6]);
        ctx.stroke();
      } else if (paint === PAINT_CIRCLE) {
        ctx.beginPath();
        ctx.arc(ops[i + 1] * k, ops[i + 2] * k, ops[i + 3] * k, 0, FULL_TURN);
        if (ops[i + 7] === 1) {
          ctx.fillStyle = this.colour(ops[i + 8]);
          ctx.fill();
        }
        ctx.lineWidth = ops[i + 5];
        ctx.strokeStyle = this.colour(ops[i + 6]);
        ctx.stroke();
      } else if (paint === PAINT_TEXT) {
        const wanted = ops[i + 5] + 'pt ' + this.fontFamily;
        if (wanted !== font) {
          font = wanted;
          ctx.font = font;
        }
        ctx.fillStyle = this.colour(ops[i + 6]);
        ctx.fillText(this.texts[ops[i + 9]], ops[i + 1] * k, ops[i + 2] * k + this.ascent(font));
      }
    }
  }
}
