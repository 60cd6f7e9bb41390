// The host text printer's style as the draw log sets it, and how a print
// becomes lines on the canvas (docs/preview.md, "The text printer").
const FONTS = [['DejaVu Serif', 'bold'], ['DejaVu Sans', 'normal'], ['DejaVu Sans', 'bold']];
const EM_WIDTH = 32;
const EM_HEIGHT = 16;
const SWITCHES = new Set(['HostText.ModeA', 'HostText.ModeB', 'HostText.ModeC', 'HostText.ModeD',
  'HostText.ModeG', 'HostText.ModeH', 'HostText.ModeJ', 'HostText.ModeK', 'HostText.ModeL',
  'HostText.SetModeI']);

export function colourArg(args, at) {
  if (args.length === at + 1 && args[at] === -1) return null;
  return [0, 1, 2, 3].map((k) => ((Number(args[at + k]) % 256) + 256) % 256);
}

export function newTextStyle() {
  return {scaleX: 1, scaleY: 1, colour: [255, 255, 255, 255], shadowColour: [0, 0, 0, 255],
    boxColour: [0, 0, 0, 0], shadowSize: 0, font: 0, wrapX: 640, lineWidth: 640, fade: 255,
    centred: false, right: false};
}

// Applies a style call; false for a call that is none.
export function applyTextStyle(style, name, args) {
  switch (name) {
    case 'HostText.SetScale': style.scaleX = args[0]; style.scaleY = args[1]; break;
    case 'HostText.SetColour': style.colour = colourArg(args, 0) ?? style.colour; break;
    case 'HostText.SetShadowColour': style.shadowColour = colourArg(args, 0) ?? style.shadowColour; break;
    case 'HostText.SetBoxColour': style.boxColour = colourArg(args, 0) ?? style.boxColour; break;
    case 'HostText.SetShadowSize': style.shadowSize = Math.trunc(args[0]); break;
    case 'HostText.SetFont': style.font = Math.trunc(args[0]); break;
    case 'HostText.SetWrapX': style.wrapX = args[0]; break;
    case 'HostText.SetLineWidth': style.lineWidth = args[0]; break;
    case 'HostText.SetFadeAlpha': style.fade = args[0]; break;
    case 'HostText.CentreOn': style.centred = true; style.right = false; break;
    case 'HostText.CentreOff': style.centred = false; break;
    case 'HostText.AlignRight': style.right = true; style.centred = false; break;
    case 'HostText.ModeE': style.right = false; break;
    default: return SWITCHES.has(name);
  }
  return true;
}

function drawable(style) {
  return Number.isFinite(style.scaleX) && Number.isFinite(style.scaleY) && style.scaleX > 0 &&
    style.scaleY > 0;
}

// The font set up on ctx, with the horizontal stretch of the host's cell.
export function fontOf(style) {
  const [family, weight] = FONTS[style.font >= 0 && style.font < FONTS.length ? style.font : 1];
  const emHeight = EM_HEIGHT * style.scaleY;
  return {css: `${weight} ${emHeight}px "${family}"`, stretch: (EM_WIDTH * style.scaleX) / emHeight};
}

// As the preview's Cairo draws text: glyph by glyph, without kerning or
// hinting.
function setFont(ctx, font) {
  ctx.font = font.css;
  ctx.fontKerning = 'none';
  ctx.textRendering = 'geometricPrecision';
}

function wrapParagraph(measure, paragraph, limit, lines) {
  let line = '';
  for (const word of paragraph.split(' ')) {
    const longer = line === '' ? word : `${line} ${word}`;
    if (line !== '' && measure(longer) > limit) {
      lines.push(line);
      line = word;
    } else {
      line = longer;
    }
  }
  lines.push(line);
}

// {lines: [{text, left, top, width}], lineHeight, ascent}, or null when nothing prints.
export function layoutText(ctx, style, x, y, text) {
  if (!drawable(style)) return null;
  const font = fontOf(style);
  setFont(ctx, font);
  const measure = (t) => ctx.measureText(t).width * font.stretch;
  const metrics = ctx.measureText('');
  const ascent = metrics.fontBoundingBoxAscent;
  const lineHeight = ascent + metrics.fontBoundingBoxDescent;
  let limit = style.centred || style.right ? style.lineWidth : style.wrapX - x;
  if (!(limit > 0)) limit = Infinity;
  const texts = [];
  for (const paragraph of text.split('\n')) wrapParagraph(measure, paragraph, limit, texts);
  const lines = texts.map((t, k) => {
    const width = measure(t);
    const left = style.centred ? x - width / 2 : style.right ? x - width : x;
    return {text: t, left, top: y + k * lineHeight, width};
  });
  return {lines, lineHeight, ascent, font};
}

const faded = (c, fade) => {
  const f = Number.isNaN(fade) ? 0 : Math.min(Math.max(fade, 0), 255);
  return [c[0], c[1], c[2], Math.round((c[3] * f) / 255)];
};

export const css = (c) => `rgba(${c[0]},${c[1]},${c[2]},${c[3] / 255})`;

export function printText(ctx, style, x, y, text, screenHeight) {
  const layout = layoutText(ctx, style, x, y, text);
  if (!layout) return null;
  const box = faded(style.boxColour, style.fade);
  if (box[3] !== 0) {
    ctx.fillStyle = css(box);
    for (const l of layout.lines) ctx.fillRect(l.left, l.top, l.width, layout.lineHeight);
  }
  const draw = (colour, offset) => {
    ctx.save();
    ctx.fillStyle = css(colour);
    setFont(ctx, layout.font);
    for (const l of layout.lines) {
      ctx.setTransform(layout.font.stretch, 0, 0, 1, l.left + offset, l.top + layout.ascent + offset);
      ctx.fillText(l.text, 0, 0);
    }
    ctx.restore();
  };
  if (style.shadowSize !== 0) draw(faded(style.shadowColour, style.fade), (style.shadowSize * screenHeight) / 448);
  draw(faded(style.colour, style.fade), 0);
  return layout;
}
