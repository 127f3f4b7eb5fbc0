-- The two tables of the agent system that the quotation tool reads and writes, in SQL that both
-- SQLite and PostgreSQL accept. Names are compared exactly: letter case and blanks count.

-- The accounts. "perfil" is the user's role: "Agentes" quote only; any other role (office
-- staff, "Oficina") may also choose another product database.
CREATE TABLE iusuarios (
  nombre          VARCHAR(60)  NOT NULL PRIMARY KEY,
  perfil          VARCHAR(20)  NOT NULL,
  nombre_completo VARCHAR(120)
);

-- The usage log: one row per printed proposal.
CREATE TABLE cotizavida (
  usu_cotiza  VARCHAR(60)  NOT NULL,
  fec_cotiza  VARCHAR(10)  NOT NULL,
  age_cotiza  VARCHAR(20)  NOT NULL,
  plan_cotiza VARCHAR(120) NOT NULL
);
