// Filling a fan of screen points, plain or with a texture mapped affinely
// over it, as the preview fills it (its textured_fill): polygons without
// edge smoothing, one map for the whole fan where one serves every vertex,
// else one per triangle.
import {tinted} from './textures.js';
import {css} from './text_style.js';

// Texture pixels to screen, from three corners; null when they lie on one line.
function textureToScreen(p0, p1, p2, width, height) {
  const u0 = p0.u * width, v0 = p0.v * height;
  const du1 = p1.u * width - u0, dv1 = p1.v * height - v0;
  const du2 = p2.u * width - u0, dv2 = p2.v * height - v0;
  const d = du1 * dv2 - du2 * dv1;
  if (Math.abs(d) < 1e-9) return null;
  const dx1 = p1.x - p0.x, dy1 = p1.y - p0.y, dx2 = p2.x - p0.x, dy2 = p2.y - p0.y;
  const a = (dx1 * dv2 - dx2 * dv1) / d, c = (dx2 * du1 - dx1 * du2) / d;
  const b = (dy1 * dv2 - dy2 * dv1) / d, dd = (dy2 * du1 - dy1 * du2) / d;
  return new DOMMatrix([a, b, c, dd, p0.x - a * u0 - c * v0, p0.y - b * u0 - dd * v0]);
}

function fanMap(fan, texture) {
  for (let k = 1; k + 1 < fan.length; ++k) {
    const m = textureToScreen(fan[0], fan[k], fan[k + 1], texture.width, texture.height);
    if (m) return m;
  }
  return null;
}

function mapsAll(m, fan, texture) {
  return fan.every((p) => {
    const q = m.transformPoint({x: p.u * texture.width, y: p.v * texture.height});
    return Math.abs(q.x - p.x) < 0.01 && Math.abs(q.y - p.y) < 0.01;
  });
}

function path(ctx, points) {
  ctx.beginPath();
  ctx.moveTo(points[0].x, points[0].y);
  for (let k = 1; k < points.length; ++k) ctx.lineTo(points[k].x, points[k].y);
  ctx.closePath();
}

function fillPart(ctx, points, image, style) {
  ctx.save();
  ctx.globalCompositeOperation = style.add ? 'lighter' : 'source-over';
  if (image) {
    const m = fanMap(points, style.texture);
    if (!m) {
      ctx.restore();
      return;
    }
    const pattern = ctx.createPattern(image, style.repeat ? 'repeat' : 'no-repeat');
    pattern.setTransform(m);
    ctx.imageSmoothingEnabled = !style.nearest;
    ctx.fillStyle = pattern;
  } else {
    ctx.fillStyle = css(style.colour);
  }
  path(ctx, points);
  ctx.fill();
  ctx.restore();
}

// style: {texture (or null), colour [r,g,b,a], add, nearest, repeat}
export function fillFan(ctx, fan, style) {
  if (fan.length < 3) return;
  const image = style.texture && style.texture.image ? tinted(style.texture, style.colour) : null;
  const whole = image ? fanMap(fan, style.texture) : null;
  if (!image || (whole && mapsAll(whole, fan, style.texture))) {
    fillPart(ctx, fan, image, style);
    return;
  }
  for (let k = 1; k + 1 < fan.length; ++k) fillPart(ctx, [fan[0], fan[k], fan[k + 1]], image, style);
}

// Around a rectangle, with each corner's place on the texture.
export function rectangleFan(left, bottom, right, top) {
  return [{x: left, y: bottom, u: 0, v: 1}, {x: right, y: bottom, u: 1, v: 1},
    {x: right, y: top, u: 1, v: 0}, {x: left, y: top, u: 0, v: 0}];
}
