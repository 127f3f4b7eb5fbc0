-- Sample accounts of the demonstration agent system. Invented people; the odd names are there
-- on purpose: an apostrophe, a double quote, accents and a blank are just characters of a name.
INSERT INTO iusuarios (nombre, perfil, nombre_completo) VALUES
  ('jperez',     'Agentes', 'Juan Pérez Gómez'),
  ('mlopez',     'Agentes', 'María López Ruiz'),
  ('o''brien',   'Agentes', 'Patricia O''Brien Salas'),
  ('núñez',      'Agentes', 'José Núñez Ibáñez'),
  ('rgarcia',    'Oficina', 'Rosa García Treviño'),
  ('el "jefe"',  'Oficina', 'Arturo Mendoza Cárdenas'),
  ('lmartinez',  'Oficina', 'Luis Martínez Peña');
