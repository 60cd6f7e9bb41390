// Which element drew each call, from the routine the server names: a local
// routine by its source file (one file per element), a global one by name.
const BY_FILE = {
  'money.cpp': 'money', 'ammo.cpp': 'ammunition', 'wanted_stars.cpp': 'wanted stars',
  'help_box.cpp': 'help box', 'mission_title.cpp': 'mission title',
  'mission_timers.cpp': 'mission timers', 'big_messages.cpp': 'big messages',
  'odd_job_texts.cpp': 'odd-job texts', 'phone_overlay.cpp': 'phone and clock',
  'clock.cpp': 'phone and clock', 'weapon_wheel.cpp': 'weapon wheel',
  'radio_wheel.cpp': 'radio wheel', 'crosshairs.cpp': 'crosshairs', 'radar.cpp': 'radar',
  'radar_tiles.cpp': 'radar', 'radar_mask.cpp': 'radar', 'blips.cpp': 'radar',
  'zone_name.cpp': 'zone and vehicle names', 'vehicle_name.cpp': 'zone and vehicle names',
  'subtitles.cpp': 'subtitles', 'script_text.cpp': 'scripted text',
};

const BY_PREFIX = [
  ['DrawMoney', 'money'], ['DrawAmmo', 'ammunition'], ['DrawWanted', 'wanted stars'],
  ['DrawStar', 'wanted stars'], ['DrawHelpBox', 'help box'], ['DrawMissionTitle', 'mission title'],
  ['DrawMissionTimers', 'mission timers'], ['DrawBigMessages', 'big messages'],
  ['DrawZoneName', 'zone and vehicle names'], ['DrawVehicleName', 'zone and vehicle names'],
  ['DrawSubtitles', 'subtitles'], ['DrawRadar', 'radar'], ['DrawBlips', 'radar'],
  ['BlipMark', 'radar'], ['DrawPlayerArrow', 'radar'], ['CrosshairElement', 'crosshairs'],
  ['WeaponWheel', 'weapon wheel'], ['PrintNarrow', 'weapon wheel'],
  ['SetWheelTextStyle', 'weapon wheel'], ['RadioWheel', 'radio wheel'],
  ['DrawRadioWheel', 'radio wheel'], ['PhoneOverlay', 'phone and clock'],
  ['DrawClock', 'phone and clock'], ['PrintScriptLines', 'scripted text'],
  ['DrawScriptText', 'scripted text'], ['DrawOddJob', 'odd-job texts'],
];

// A file name as the Windows plug-in's symbols give it may be cut to 14
// bytes ("mission_title.").
function groupOfFile(file) {
  if (BY_FILE[file]) return BY_FILE[file];
  if (file.length < 14) return null;
  const full = Object.keys(BY_FILE).find((name) => name.startsWith(file));
  return full ? BY_FILE[full] : null;
}

export function groupOf(routine) {
  if (!routine) return null;
  const byFile = routine.file ? groupOfFile(routine.file) : null;
  if (byFile) return byFile;
  const found = BY_PREFIX.find(([prefix]) => routine.name.startsWith(prefix));
  return found ? found[1] : null;
}

// {group: [left, top, right, bottom]} over the calls drawn in a frame.
export function groupBoxes(replay, drawn) {
  const boxes = {};
  for (const {index, bounds} of drawn) {
    const routine = replay.routines[replay.calls[index][3]];
    const group = groupOf(routine);
    if (!group || !bounds.every(Number.isFinite)) continue;
    const b = boxes[group];
    boxes[group] = b ? [Math.min(b[0], bounds[0]), Math.min(b[1], bounds[1]),
      Math.max(b[2], bounds[2]), Math.max(b[3], bounds[3])] : [...bounds];
  }
  return boxes;
}

// Pairs of elements whose rectangles overlap, a few pixels' touch excepted.
// The wheels sit over everything on purpose, and the crosshair at the centre.
const OVERLAYS = new Set(['weapon wheel', 'radio wheel', 'crosshairs', 'big messages', 'scripted text']);
export function overlaps(boxes, slack = 1) {
  const names = Object.keys(boxes).filter((n) => !OVERLAYS.has(n)).sort();
  const pairs = [];
  for (let i = 0; i < names.length; ++i) {
    for (let j = i + 1; j < names.length; ++j) {
      const a = boxes[names[i]], b = boxes[names[j]];
      if (a[0] < b[2] - slack && b[0] < a[2] - slack && a[1] < b[3] - slack && b[1] < a[3] - slack) {
        pairs.push([names[i], names[j]]);
      }
    }
  }
  return pairs;
}

export function groupAt(boxes, x, y) {
  // The smallest rectangle under the point, so that an element inside
  // another's box can still be picked.
  let best = null;
  for (const [group, b] of Object.entries(boxes)) {
    if (x < b[0] || x > b[2] || y < b[1] || y > b[3]) continue;
    const area = (b[2] - b[0]) * (b[3] - b[1]);
    if (!best || area < best.area) best = {group, area};
  }
  return best ? best.group : null;
}
