// Paints one frame of a replay on a canvas by the preview's rules
// (docs/preview.md): every call from the first moves the host's state on
// (text style, render states, looked-up textures, Im2D vertices); only the
// calls of the chosen frame draw.
import {TextureResolver} from './textures.js';
import {applyTextStyle, colourArg, css, newTextStyle, printText} from './text_style.js';
import {fillFan, rectangleFan} from './fill.js';

const RASTER = 1, ADDRESSING = 2, FILTER = 9, DEST_BLEND = 11, VERTEX_ALPHA = 12;

export function screenUnits(width, height) {
  return {
    sx: (k) => k * width / 640 * 1.3333334 / (width / height),
    sy: (k) => k * height / 448,
    unit: (k) => k * Math.min(width, height) / 1080,
  };
}

class FramePainter {
  constructor(ctx, library, width, height) {
    Object.assign(this, {ctx, width, height, units: screenUnits(width, height)});
    this.textures = new TextureResolver(library);
    this.library = library;
    this.text = newTextStyle();
    this.states = new Map();
    this.raster = null;
    this.vertices = [];
    this.vertexColour = [255, 255, 255, 255];
    this.mask = false;
  }

  keepState(name, args) {
    if (applyTextStyle(this.text, name, args)) return true;
    if (name === 'HostRender.SetState') {
      this.states.set(args[0], args[1]);
      if (args[0] === RASTER) this.raster = args.length > 2 ? args[2] : null;
    } else if (name === 'HostTxd.FindTexture') {
      this.textures.noteLookup(args[0], args[1]);
    } else if (name === 'HostIm2D.SetVertices') {
      const n = args[0];
      this.vertices = [];
      for (let k = 0; k < n; ++k) {
        const at = 1 + 4 * k;
        this.vertices.push({x: args[at], y: args[at + 1], u: args[at + 2], v: args[at + 3]});
      }
      this.vertexColour = colourArg(args, 1 + 4 * n);
      this.mask = false;
    } else if (name === 'HostIm2D.SetMaskVertices') {
      this.vertices = [];
      this.mask = true;
    } else {
      return false;
    }
    return true;
  }

  stateFill(texture, colour) {
    const c = [...colour];
    if ((this.states.get(VERTEX_ALPHA) ?? 0) === 0) c[3] = 255;
    return {texture, colour: c, add: this.states.get(DEST_BLEND) === 2,
      nearest: this.states.get(FILTER) === 1, repeat: this.states.get(ADDRESSING) !== 3};
  }

  sprite(label, colour) {
    return {texture: this.textures.resolve(label), colour, add: false, nearest: false, repeat: false};
  }

  draw(name, args) {
    const ctx = this.ctx;
    switch (name) {
      case 'HostText.Print':
      case 'HostText.PrintVariant': {
        if (typeof args[2] !== 'string') break;
        const layout = printText(ctx, this.text, args[0], args[1], args[2], this.height);
        if (!layout || layout.lines.length === 0) return null;
        const lefts = layout.lines.map((l) => l.left);
        const rights = layout.lines.map((l) => l.left + l.width);
        const top = layout.lines[0].top;
        return [Math.min(...lefts), top, Math.max(...rights), top + layout.lines.length * layout.lineHeight];
      }
      case 'HostSprite.Draw': {
        const colour = args.length >= 6 ? colourArg(args, 5) : null;
        if (colour) fillFan(ctx, rectangleFan(args[1], args[2], args[3], args[4]), this.sprite(args[0], colour));
        break;
      }
      case 'HostSprite.DrawQuad': {
        const colour = colourArg(args, 9);
        if (!colour) break;
        const corner = (k, u, v) => ({x: args[1 + 2 * k], y: args[2 + 2 * k], u, v});
        fillFan(ctx, [corner(0, 0, 1), corner(1, 1, 1), corner(3, 1, 0), corner(2, 0, 0)],
          this.sprite(args[0], colour));
        break;
      }
      case 'HostSprite.DrawRaw': {
        const [x, y, , hw, hh] = args;
        const texture = this.textures.resolve(this.raster);
        fillFan(ctx, rectangleFan(x - hw, y + hh, x + hw, y - hh), this.stateFill(texture, colourArg(args, 5)));
        break;
      }
      case 'HostSprite.DrawRect': {
        const colour = args.length >= 5 ? colourArg(args, 4) : null;
        if (colour) fillFan(ctx, rectangleFan(args[0], args[1], args[2], args[3]), this.sprite(null, colour));
        break;
      }
      case 'HostIm2D.RenderPrimitive': {
        if (this.mask || args[0] !== 5) break;
        const n = Math.min(this.vertices.length, Math.max(args[args.length - 1], 0));
        const texture = this.textures.resolve(this.raster);
        fillFan(ctx, this.vertices.slice(0, n), this.stateFill(texture, this.vertexColour));
        break;
      }
      case 'HostRadar.DrawSprite': this.radarSprite(args); break;
      case 'HostRadar.DrawTrace': this.radarTrace(args); break;
      case 'HostMap.DrawPlayerMarker': this.playerMarker(args); break;
      default: break;
    }
    return undefined;
  }

  radarSprite([sprite, x, y, alpha]) {
    const hw = this.units.sx(5), hh = this.units.sy(5);
    const texture = this.library.find('host', sprite === 3 ? 'radar_north' : 'radardisc');
    fillFan(this.ctx, rectangleFan(x - hw, y + hh, x + hw, y - hh),
      {texture, colour: [255, 255, 255, ((alpha % 256) + 256) % 256], add: false, nearest: false, repeat: false});
  }

  outlineFill(colour, outline) {
    const ctx = this.ctx;
    ctx.fillStyle = css(colour);
    ctx.fill();
    ctx.strokeStyle = `rgba(0,0,0,${colour[3] / 255})`;
    ctx.lineWidth = outline;
    ctx.stroke();
  }

  radarTrace(args) {
    const [x, y, size] = args;
    const half = this.units.unit(2 * (Math.max(size, 0) + 2));
    const colour = colourArg(args, 3);
    const shape = args[7];
    const ctx = this.ctx;
    ctx.beginPath();
    if (shape === 0 || shape === 1) {
      const tip = shape === 0 ? -half : half;
      ctx.moveTo(x, y + tip);
      ctx.lineTo(x + half, y - tip);
      ctx.lineTo(x - half, y - tip);
      ctx.closePath();
    } else {
      ctx.rect(x - half, y - half, 2 * half, 2 * half);
    }
    this.outlineFill(colour, this.units.unit(1.5));
  }

  playerMarker([x, y]) {
    this.ctx.beginPath();
    this.ctx.arc(x, y, this.units.unit(6), 0, 2 * Math.PI);
    this.outlineFill([255, 255, 255, 255], this.units.unit(2));
  }
}

// Paints `frame` of the replay; calls as the server sends them:
// [frame, name, args, routine, bounds?, estimated?]. Returns, for each call
// drawn, its index and the rectangle it covers (texts measured here).
export function paintFrame(ctx, library, replay, frame) {
  const [width, height] = replay.screen;
  const painter = new FramePainter(ctx, library, width, height);
  const drawn = [];
  for (let k = 0; k < replay.calls.length; ++k) {
    const call = replay.calls[k];
    if (call[0] > frame) break;
    if (painter.keepState(call[1], call[2]) || call[0] !== frame) continue;
    // A text's rectangle as measured here; the others' as the server gave them.
    const measured = painter.draw(call[1], call[2]);
    const bounds = measured === undefined ? call[4] : measured;
    if (bounds) drawn.push({index: k, bounds});
  }
  return drawn;
}
