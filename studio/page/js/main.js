// The studio page: the picture, the scene controls and the settings. Frames
// are painted here from the last replay, so scrubbing, hovering and selecting
// cost no round trip; an edit costs one replay.
import {TextureLibrary} from './textures.js';
import {paintFrame} from './painter.js';
import {groupAt, groupBoxes, overlaps} from './elements.js';
import {dragEdits, resizeEdits} from './edits.js';
import {renderSettings} from './settings_panel.js';

const $ = (id) => document.getElementById(id);
const state = {settings: null, replay: null, library: null, frame: 1, selected: null, boxes: {}, drag: null,
  pending: 0, openGroups: new Set()};
window.studio = state;  // for the tests and the curious

async function loadFonts() {
  const faces = [['DejaVu Sans', 'DejaVuSans.ttf', 'normal'], ['DejaVu Sans', 'DejaVuSans-Bold.ttf', 'bold'],
    ['DejaVu Serif', 'DejaVuSerif-Bold.ttf', 'bold']];
  await Promise.all(faces.map(async ([family, file, weight]) => {
    const face = new FontFace(family, `url(/fonts/${file})`, {weight});
    document.fonts.add(await face.load());
  }));
}

function status(text, error = false) {
  $('status').textContent = text;
  $('status').className = error ? 'error' : '';
}

async function call(method, url, body) {
  const response = await fetch(url, {method, body: body === undefined ? undefined : JSON.stringify(body)});
  const answer = await response.json();
  if (!response.ok) throw Object.assign(new Error(answer.error), {status: response.status});
  return answer;
}

function screen() {
  const shape = $('shape').value;
  if (shape !== 'other') return shape.split('x').map(Number);
  return [Number($('width').value), Number($('height').value)];
}

function paint() {
  const replay = state.replay;
  if (!replay) return;
  const [width, height] = replay.screen;
  for (const canvas of [$('canvas'), $('overlay')]) {
    if (canvas.width !== width || canvas.height !== height) Object.assign(canvas, {width, height});
  }
  const ctx = $('canvas').getContext('2d');
  ctx.clearRect(0, 0, width, height);
  const drawn = paintFrame(ctx, state.library, replay, state.frame);
  state.drawn = drawn;
  state.boxes = groupBoxes(replay, drawn);
  drawOverlay();
  showFlags(width, height);
  $('frame-number').textContent = state.frame;
}

function drawOverlay() {
  const overlay = $('overlay');
  const ctx = overlay.getContext('2d');
  ctx.clearRect(0, 0, overlay.width, overlay.height);
  const thick = Math.max(2, overlay.width / 640);
  for (const [group, b] of Object.entries(state.boxes)) {
    ctx.strokeStyle = group === state.selected ? '#ffd34d' : 'rgba(255,255,255,0.25)';
    ctx.lineWidth = group === state.selected ? thick * 1.5 : thick / 2;
    ctx.strokeRect(b[0], b[1], b[2] - b[0], b[3] - b[1]);
  }
}

function showFlags(width, height) {
  const flags = [];
  if (height > width) flags.push('A portrait screen: the layout assumes a screen wider than it is tall.');
  for (const [a, b] of overlaps(state.boxes)) flags.push(`The ${a} and the ${b} overlap at ${width} × ${height}.`);
  $('flags').replaceChildren(...flags.map((text) => Object.assign(document.createElement('div'), {className: 'flag', textContent: text})));
  state.flags = flags;
}

function showSettings() {
  renderSettings($('settings'), state.settings, state.selected, (key, value) =>
    edit([{file: key.file, key: key.name, value}]), state.openGroups);
  $('undo').disabled = state.settings.undo === 0;
  $('redo').disabled = state.settings.redo === 0;
}

// One replay at a time: asked for while one runs, another follows it, with
// the settings and scene as they are then.
let replaying = null;
let replayAgain = false;
async function replay() {
  if (replaying) {
    replayAgain = true;
    return replaying;
  }
  replaying = (async () => {
    do {
      replayAgain = false;
      await replayOnce();
    } while (replayAgain);
  })();
  try {
    await replaying;
  } finally {
    replaying = null;
  }
}

async function replayOnce() {
  const [width, height] = screen();
  const query = new URLSearchParams({scenario: $('scenario').value || 'busy-hud', width, height, radar: $('radar').value});
  const started = performance.now();
  state.replay = await call('GET', `/api/replay?${query}`);
  const frames = state.replay.frames;
  $('frame').max = frames;
  if (state.frame > frames || state.followLast !== false) state.frame = frames;
  $('frame').value = state.frame;
  paint();
  state.lastReplayMs = performance.now() - started;
  state.replays = (state.replays ?? 0) + 1;
}

async function settle(promise) {
  ++state.pending;
  try {
    state.settings = await promise;
    // The replay is asked for first: the server plays while the page lays
    // out the settings.
    const replayed = replay();
    showSettings();
    await replayed;
    status('');
  } catch (error) {
    if (error.status === 409 && /changed on disk/.test(error.message)) {
      if (window.confirm(`${error.message}\nReload the settings from disk?`)) {
        await settle(call('GET', '/api/settings'));
        return;
      }
    }
    status(error.message, true);
  } finally {
    --state.pending;
  }
}

// From the edit to the new picture painted: state.editMs, for the benchmark.
async function edit(edits) {
  const started = performance.now();
  const byFile = new Map();
  for (const e of edits) {
    if (!byFile.has(e.file)) byFile.set(e.file, []);
    byFile.get(e.file).push({key: e.key, value: e.value});
  }
  let chain = Promise.resolve();
  for (const [file, list] of byFile) chain = chain.then(() => call('POST', '/api/edit', {file, edits: list}));
  await settle(chain);
  state.editMs = performance.now() - started;
}

function pointer(event) {
  const overlay = $('overlay');
  const r = overlay.getBoundingClientRect();
  return [(event.clientX - r.left) * overlay.width / r.width, (event.clientY - r.top) * overlay.height / r.height];
}

function wireCanvas() {
  const overlay = $('overlay');
  overlay.addEventListener('pointerdown', (event) => {
    const [x, y] = pointer(event);
    state.selected = groupAt(state.boxes, x, y);
    state.drag = state.selected ? {x, y} : null;
    drawOverlay();
    showSettings();
  });
  overlay.addEventListener('pointerup', (event) => {
    const drag = state.drag;
    state.drag = null;
    if (!drag || !state.selected) return;
    const [x, y] = pointer(event);
    const [width, height] = state.replay.screen;
    const edits = dragEdits(state.settings.keys, state.selected, x - drag.x, y - drag.y, width, height);
    if (Math.hypot(x - drag.x, y - drag.y) >= 2 && edits.length) edit(edits);
  });
  overlay.addEventListener('wheel', (event) => {
    if (!state.selected) return;
    event.preventDefault();
    const edits = resizeEdits(state.settings.keys, state.selected, event.deltaY < 0 ? 1.1 : 1 / 1.1);
    if (edits.length) edit(edits);
  }, {passive: false});
}

function wireControls() {
  $('frame').addEventListener('input', () => {
    state.frame = Number($('frame').value);
    state.followLast = state.frame === Number($('frame').max);
    paint();
  });
  $('shape').addEventListener('change', () => {
    const other = $('shape').value === 'other';
    $('width').hidden = $('height').hidden = !other;
    replay().catch((e) => status(e.message, true));
  });
  for (const id of ['width', 'height', 'radar', 'scenario']) {
    $(id).addEventListener('change', () => replay().catch((e) => status(e.message, true)));
  }
  $('undo').addEventListener('click', () => settle(call('POST', '/api/undo')));
  $('redo').addEventListener('click', () => settle(call('POST', '/api/redo')));
}

async function start() {
  status('loading…');
  await loadFonts();
  state.library = await TextureLibrary.load();
  const scenarios = await call('GET', '/api/scenarios');
  $('scenario').replaceChildren(...scenarios.map((name) => new Option(name, name, name === 'busy-hud', name === 'busy-hud')));
  wireControls();
  wireCanvas();
  await settle(call('GET', '/api/settings'));
  state.ready = true;
}

start().catch((error) => status(error.message, true));
